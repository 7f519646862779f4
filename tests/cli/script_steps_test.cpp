// Reading `ornel sim script` scripts: words, quotes, escapes, comments and
// the line named for the first step that cannot be read.
#include <gtest/gtest.h>

#include "frontends/cli/script_steps.h"
#include "support/support.h"

namespace {

using cli::ScriptStep;
using Kind = cli::ScriptStep::Kind;

std::vector<ScriptStep> parse(const std::string& text) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_TRUE(cli::ParseScript(text, steps, error)) << error;
    return steps;
}

std::string failure(const std::string& text) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(cli::ParseScript(text, steps, error));
    return error;
}

TEST(ScriptSteps, WordsQuotesEscapesAndComments) {
    const auto steps = parse(
        "# heading\r\n"
        "\n"
        "\n"
        "at 09:30   # the start\n"
        "wait 90\n"
        "wait 2m\n"
        "type 東京 1R 単勝 1 100\\n#2\n"
        "answer \"8137 \\\"x\\\"\" no\n"
        "field 設定 1017 \"12 34\"\n"
        "drop data/a.txt 24061501.BET\n");
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].kind, Kind::At);
    EXPECT_EQ(steps[0].seconds, 9 * 3600 + 30 * 60);
    EXPECT_EQ(steps[0].line, 4);
    EXPECT_EQ(steps[1].seconds, 90);
    EXPECT_EQ(steps[2].seconds, 120);
    EXPECT_EQ(steps[3].text, "東京 1R 単勝 1 100\n#2") << "a # inside a word is text";
    EXPECT_EQ(steps[4].match, "8137 \"x\"");
    EXPECT_EQ(steps[4].text, "no");
    EXPECT_EQ(steps[5].id, 1017);
    EXPECT_EQ(steps[5].text, "12 34");
    EXPECT_EQ(steps[6].file, "data/a.txt");
    EXPECT_EQ(steps[6].name, "24061501.BET");
}

// A backslash that is a Shift-JIS trail byte ("表" is 0x95 0x5C) is no escape.
TEST(ScriptSteps, TrailBytesAreNoEscapes) {
    const auto steps = parse("paste 表n\npaste 表\\n\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].text, "表n");
    EXPECT_EQ(steps[1].text, "表\n");
}

TEST(ScriptSteps, TheFirstLineThatCannotBeReadIsNamed) {
    EXPECT_EQ(failure("show\nat 9:30\n"), "line 2: at takes a time HH:MM or HH:MM:SS, not \"9:30\"");
    EXPECT_EQ(failure("at 24:00\n"), "line 1: at takes a time HH:MM or HH:MM:SS, not \"24:00\"");
    EXPECT_EQ(failure("wait 0\n"), "line 1: wait takes N, Ns or Nm (1 second to 24 hours), not \"0\"");
    EXPECT_EQ(failure("wait 1441m\n"), "line 1: wait takes N, Ns or Nm (1 second to 24 hours), not \"1441m\"");
    EXPECT_EQ(failure("idle now\n"), "line 1: idle takes 0 words");
    EXPECT_EQ(failure("type\n"), "line 1: type takes a text");
    EXPECT_EQ(failure("command x\n"), "line 1: command takes a command id, not \"x\"");
    EXPECT_EQ(failure("answer \"open\n"), "line 1: a quote is not closed");
    EXPECT_EQ(failure("press 投票\n"), "line 1: unknown step \"press\"");
}

}  // namespace
