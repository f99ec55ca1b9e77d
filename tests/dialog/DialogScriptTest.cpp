// Reading dialog scripts and the dialog blocks of session files: every step
// with its item by name or number, and an error naming the line for
// anything else.
#include "DialogItemNames.h"
#include "DialogScript.h"
#include "SessionScript.h"

#include <gtest/gtest.h>

namespace kestrow::cli {
namespace {

using Kind = host::ScriptStep::Kind;

TEST(DialogScript, ReadsEveryStepWithItemsByNameOrNumber)
{
    const char* text =
        "# a person's steps\n"
        "type top 20          # the top margin\n"
        "type Width \"\"\n"
        "click 16034\n"
        "choose absoluteUnits 2\n"
        "choose relativeUnits mm\n"
        "modifier down\n"
        "modifier up\n"
        "render \"my dialog.png\"\n"
        "expect newWidth text = \"1010 pixels\"\n"
        "expect anchor5 disabledPicture 130\n";
    const DialogScriptParse parse = ParseDialogScript(text, "s");
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.steps.size(), 10u);
    const auto& s = parse.steps;
    EXPECT_EQ(s[0].kind, Kind::Type);
    EXPECT_EQ(s[0].itemId, 16001);
    EXPECT_EQ(s[0].text, "20");
    EXPECT_EQ(s[0].line, 2);
    EXPECT_EQ(s[1].itemId, 16030) << "names ignore case";
    EXPECT_EQ(s[1].text, "");
    EXPECT_EQ(s[2].kind, Kind::Click);
    EXPECT_EQ(s[2].itemId, 16034);
    EXPECT_EQ(s[3].index, 2);
    EXPECT_EQ(s[4].index, -1);
    EXPECT_EQ(s[4].text, "mm");
    EXPECT_EQ(s[5].kind, Kind::ModifierDown);
    EXPECT_EQ(s[6].kind, Kind::ModifierUp);
    EXPECT_EQ(s[7].kind, Kind::Render);
    EXPECT_EQ(s[7].text, "my dialog.png");
    EXPECT_EQ(s[8].kind, Kind::Expect);
    EXPECT_EQ(s[8].itemId, 16017);
    EXPECT_EQ(s[8].property, host::ItemProperty::Text);
    EXPECT_EQ(s[8].text, "1010 pixels");
    EXPECT_EQ(s[9].property, host::ItemProperty::DisabledPicture);
    EXPECT_EQ(s[9].text, "130");
}

TEST(DialogScript, ErrorsNameTheLineAndWhatIsWrong)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"type top\n", "f:1: type takes an ITEM and one TEXT (quote a text with blanks, \"\" for none)"},
        {"click ok\nclick nowhere\n", "f:2: unknown item 'nowhere' (give its number or a name such as top, width, ok)"},
        {"modifier sideways\n", "f:1: modifier takes down or up"},
        {"expect top colour = red\n",
         "f:1: unknown property 'colour' (expected text, enabled, value, picture, selectedPicture or disabledPicture)"},
        {"expect top text\n", "f:1: expect takes ITEM PROPERTY = VALUE (quote a value with blanks, \"\" for none)"},
        {"render\n", "f:1: render takes one FILE"},
        {"press ok\n", "f:1: unknown dialog step 'press' (expected type, click, choose, modifier, render or expect)"},
        {"type top \"20\n", "f:1: unclosed double quote"},
    };
    for (const Case& c : cases) {
        const DialogScriptParse parse = ParseDialogScript(c.text, "f");
        EXPECT_EQ(parse.error, c.error) << c.text;
        EXPECT_TRUE(parse.steps.empty());
    }
}

TEST(DialogScript, SessionDialogBlocksCollectTheirSteps)
{
    const char* text =
        "document 800x600\n"
        "dialog Top=5\n"
        "  type top 20\n"
        "\n"
        "  click ok   # end of the block follows\n"
        "end\n"
        "play Left=1\n";
    const SessionParse parse = ParseSession(text, "s");
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.steps.size(), 3u);
    EXPECT_EQ(parse.steps[1].kind, SessionStep::Kind::Dialog);
    ASSERT_TRUE(parse.steps[1].descriptor);
    EXPECT_EQ(parse.steps[1].descriptor->Count(), 1u);
    ASSERT_EQ(parse.steps[1].dialogSteps.size(), 2u);
    EXPECT_EQ(parse.steps[1].dialogSteps[0].line, 3);
    EXPECT_EQ(parse.steps[1].dialogSteps[1].itemId, 1);
    EXPECT_EQ(parse.steps[2].kind, SessionStep::Kind::Play);

    EXPECT_EQ(ParseSession("dialog\n  click ok\n", "s").error, "s:1: the dialog block has no end");
    EXPECT_EQ(ParseSession("play\nend\n", "s").error, "s:2: end without a dialog block");
    EXPECT_EQ(ParseSession("dialog\n  play Top=1\nend\n", "s").error,
              "s:2: unknown dialog step 'play' (expected type, click, choose, modifier, render or expect)");
}

TEST(DialogScript, ItemNamesAndNumbersAgree)
{
    EXPECT_EQ(DialogItemNumber("anchor9"), 16029);
    EXPECT_EQ(DialogItemNumber("OK"), 1);
    EXPECT_EQ(DialogItemNumber("-1"), -1);
    EXPECT_FALSE(DialogItemNumber("12x"));
    EXPECT_FALSE(DialogItemNumber(""));
    EXPECT_EQ(DialogItemName(16005), "uniform");
    EXPECT_EQ(DialogItemName(18010), "");
}

}  // namespace
}  // namespace kestrow::cli
