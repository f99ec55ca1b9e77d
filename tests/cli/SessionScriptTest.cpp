#include "SessionScript.h"

#include <gtest/gtest.h>

namespace kestrow::cli {
namespace {

TEST(SessionScript, ReadsStepsSkippingCommentsAndBlankLines)
{
    const char* text =
        "# set-up\n"
        "\n"
        "document 1200x800@300   # a trailing comment\n"
        "play Top=20 Wdth=unit:#Pxl:5 #Left=3\n"
        "   # indented comment\n"
        "play\n"
        "play --empty\n"
        "call \"SP Interface\" About\r\n";
    const SessionParse parse = ParseSession(text, "s.txt");
    ASSERT_TRUE(parse.error.empty()) << parse.error;
    ASSERT_EQ(parse.steps.size(), 5u);
    EXPECT_EQ(parse.steps[0].kind, SessionStep::Kind::Document);
    EXPECT_EQ(parse.steps[0].document.resolution, 300);
    EXPECT_EQ(parse.steps[1].line, 4);
    ASSERT_TRUE(parse.steps[1].descriptor);
    EXPECT_EQ(parse.steps[1].descriptor->Count(), 2u) << "'#' inside an item is not a comment";
    EXPECT_FALSE(parse.steps[2].descriptor) << "play without items hands in no descriptor";
    ASSERT_TRUE(parse.steps[3].descriptor);
    EXPECT_EQ(parse.steps[3].descriptor->Count(), 0u);
    EXPECT_EQ(parse.steps[4].kind, SessionStep::Kind::Call);
    EXPECT_EQ(parse.steps[4].caller, "SP Interface");
    EXPECT_EQ(parse.steps[4].selector, "About");
}

TEST(SessionScript, ErrorsNameTheFileAndLineAndNoStepIsKept)
{
    struct Case {
        const char* text;
        const char* where;
    };
    const Case cases[] = {
        {"play Top=1\nplay Top=x\n", "f:2: "},
        {"document 10x10\ndocument\n", "f:2: "},
        {"\n\ncall OnlyOne\n", "f:3: "},
        {"call \"PS Photoshop\" \"Do It\n", "f:1: "},
        {"resize 10\n", "f:1: "},
        {"play --empty Top=1\n", "f:1: "},
    };
    for (const auto& c : cases) {
        const SessionParse parse = ParseSession(c.text, "f");
        EXPECT_EQ(parse.error.rfind(c.where, 0), 0u) << c.text << " gave " << parse.error;
        EXPECT_TRUE(parse.steps.empty()) << c.text;
    }
}

TEST(SessionScript, QuotesGroupBlanksAndEscapeQuotesAndBackslashes)
{
    std::string error;
    const auto words = SplitWords(R"(call "a \"b\" c\\" x""y "" "#kept" # dropped)", error);
    ASSERT_TRUE(words) << error;
    const std::vector<std::string> expected = {"call", "a \"b\" c\\", "xy", "", "#kept"};
    EXPECT_EQ(*words, expected);
}

}  // namespace
}  // namespace kestrow::cli
