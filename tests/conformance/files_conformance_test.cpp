// Files as Windows names and reads them: names without regard to case, and
// text mode (CR LF on disk, "\n" in the program, Ctrl-Z ends the text).
#include <gtest/gtest.h>

#include "conformance/host.h"
#include "platform/files.h"

namespace {

using conformance::rawBytes;
using conformance::runAsProgram;
using conformance::scratchDirectory;
using conformance::writeRawBytes;
using plat::TextFile;

std::vector<std::string> linesOf(const std::string& path, std::size_t bufferSize) {
    std::vector<std::string> lines;
    TextFile file;
    if (!file.open(path, TextFile::Mode::Read)) return {"<cannot open>"};
    std::string line;
    while (file.getLine(line, bufferSize)) lines.push_back(line);
    return lines;
}

TEST(FilesConformance, NamesAreFoundWithoutRegardToCaseAndKeepTheirOwn) {
    ASSERT_TRUE(runAsProgram([] {
        const std::string dir = scratchDirectory();
        writeRawBytes(dir + "X.BET", "1\r\n");
        EXPECT_EQ(linesOf(dir + "x.bet", 128), std::vector<std::string>{"1\n"});

        plat::FileInfo info;
        ASSERT_TRUE(plat::fileStatus(dir + "x.Bet", info));
        EXPECT_EQ(info.name, "X.BET");
        EXPECT_EQ(info.size, 3u);
        EXPECT_FALSE(info.isDirectory);

        writeRawBytes(dir + "a.bet", "");
        writeRawBytes(dir + "B.TXT", "");
        const std::vector<plat::FileInfo> found = plat::findFiles(dir + "*.BET");
        ASSERT_EQ(found.size(), 2u);
        EXPECT_EQ(found[0].name, "a.bet");
        EXPECT_EQ(found[1].name, "X.BET");
        EXPECT_EQ(plat::findFiles(dir + "?.t*").size(), 1u);

        EXPECT_FALSE(plat::renameFile(dir + "x.bet", dir + "A.BET")) << "the target exists";
        EXPECT_TRUE(plat::renameFile(dir + "x.bet", dir + "Y.bet"));
        EXPECT_TRUE(plat::removeFile(dir + "y.BET"));
        EXPECT_FALSE(plat::fileStatus(dir + "Y.bet", info));
        EXPECT_FALSE(plat::removeFile(dir + "Y.bet"));
    }));
}

TEST(FilesConformance, TextModeWritesCrLfAndReadsLinesBackAsTheRuntimeDoes) {
    ASSERT_TRUE(runAsProgram([] {
        const std::string dir = scratchDirectory();
        {
            TextFile out;
            ASSERT_TRUE(out.open(dir + "out.txt", TextFile::Mode::Write));
            EXPECT_TRUE(out.write("東京\nB\n"));
            EXPECT_TRUE(out.print("%03d:%4s\n", 7, "ab"));
        }
        EXPECT_EQ(rawBytes(dir + "out.txt"), "東京\r\nB\r\n007:  ab\r\n");
        {
            TextFile more;
            ASSERT_TRUE(more.open(dir + "OUT.TXT", TextFile::Mode::Append));
            EXPECT_TRUE(more.write("C\n"));
        }
        EXPECT_EQ(linesOf(dir + "out.txt", 128),
                  (std::vector<std::string>{"東京\n", "B\n", "007:  ab\n", "C\n"}));

        // A lone CR stays; Ctrl-Z ends what can be read; a short buffer
        // cuts a line into pieces of bufferSize - 1 bytes.
        writeRawBytes(dir + "in.txt", "x\ry\r\nabcdef\r\nz\x1Ahidden\r\n");
        EXPECT_EQ(linesOf(dir + "in.txt", 128), (std::vector<std::string>{"x\ry\n", "abcdef\n", "z"}));
        EXPECT_EQ(linesOf(dir + "in.txt", 4), (std::vector<std::string>{"x\ry", "\n", "abc", "def", "\n", "z"}));

        TextFile missing;
        EXPECT_FALSE(missing.open(dir + "none.txt", TextFile::Mode::Read));
        EXPECT_FALSE(missing.open(dir, TextFile::Mode::Read)) << "a directory is no file";
    }));
}

}  // namespace
