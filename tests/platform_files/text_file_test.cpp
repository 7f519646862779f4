// Text mode as on Windows: "\n" written as CR LF, CR LF read as "\n", lines
// read as fgets would with a buffer of a given size.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/support.h"

namespace {

using plat::TextFile;
using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;

std::vector<std::string> readLines(const std::string& path, std::size_t bufferSize) {
    TextFile in;
    EXPECT_TRUE(in.open(path, TextFile::Mode::Read));
    std::vector<std::string> lines;
    std::string line;
    while (in.getLine(line, bufferSize)) lines.push_back(line);
    EXPECT_FALSE(in.getLine(line, bufferSize));  // stays at the end
    EXPECT_EQ(line, "");
    return lines;
}

TEST(TextFile, WritesCrLfAndReadsItBack) {
    TempDir dir;
    TextFile out;
    ASSERT_TRUE(out.open(dir.file("t.txt"), TextFile::Mode::Write));
    EXPECT_TRUE(out.write("a\nb\n"));
    EXPECT_TRUE(out.write("c\r\n"));  // every "\n" gets its CR, as on Windows
    out.close();
    EXPECT_EQ(readBytes(dir.file("t.txt")), "a\r\nb\r\nc\r\r\n");

    EXPECT_EQ(readLines(dir.file("t.txt"), 128), (std::vector<std::string>{"a\n", "b\n", "c\r\n"}));
}

TEST(TextFile, ReadsLikeFgetsInTextMode) {
    TempDir dir;
    writeBytes(dir.file("in.txt"), "one\r\ntwo\rthree\nlast");
    EXPECT_EQ(readLines(dir.file("in.txt"), 128), (std::vector<std::string>{"one\n", "two\rthree\n", "last"}));

    // At most bufferSize - 1 bytes per call; the rest comes next time.
    writeBytes(dir.file("long.txt"), "abcdefg\r\nxyz\r\n");
    EXPECT_EQ(readLines(dir.file("long.txt"), 4), (std::vector<std::string>{"abc", "def", "g\n", "xyz", "\n"}));

    // Ctrl-Z ends the text, as an old DOS editor left it.
    writeBytes(dir.file("dos.txt"), "x\r\n\x1Ajunk\r\n");
    EXPECT_EQ(readLines(dir.file("dos.txt"), 128), std::vector<std::string>{"x\n"});

    TextFile missing;
    EXPECT_FALSE(missing.open(dir.file("none.txt"), TextFile::Mode::Read));
    std::string line;
    EXPECT_FALSE(missing.getLine(line, 128));
    EXPECT_FALSE(missing.write("x"));
}

TEST(TextFile, AppendsAndPrintsWithoutLengthLimit) {
    TempDir dir;
    writeBytes(dir.file("log.txt"), "old\r\n");
    TextFile out;
    ASSERT_TRUE(out.open(dir.file("LOG.TXT"), TextFile::Mode::Append));
    const std::string big(1000, 'x');
    EXPECT_TRUE(out.print("\nLOAD %s %03d\n", big.c_str(), 7));
    EXPECT_TRUE(out.print("%4s|\n", "東京"));  // field widths count bytes
    out.close();
    EXPECT_EQ(readBytes(dir.file("log.txt")), "old\r\n\r\nLOAD " + big + " 007\r\n東京|\r\n");
}

}  // namespace
