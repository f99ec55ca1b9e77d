// Case names are what a user copies from a report back into --case: every
// kind reads back as itself, and malformed names are refused with a reason.
#include "validate/CaseId.h"

#include <gtest/gtest.h>

namespace kestrow::validate {
namespace {

TEST(CaseId, EveryKindReadsBackAsItself)
{
    const CaseId cases[] = {
        CaseId::ForScenario("relative-mm"),
        CaseId::ForScenario("several-runs", Fault::FailCall("ActionControl.Play", 3, -1728)),
        CaseId::ForScenario("about", Fault::FailCall("Basic.IsEqual", 1, 1)),
        CaseId::ForScenario("dialog-reset", Fault::Withhold("ADM Drawer Suite")),
        CaseId::Random(CaseId::Kind::RandomDescriptors, 18446744073709551615ull, 0),
        CaseId::Random(CaseId::Kind::RandomDialog, 7, 4242),
    };
    for (const CaseId& id : cases) {
        const std::string text = FormatCaseId(id);
        std::string error;
        const auto parsed = ParseCaseId(text, error);
        ASSERT_TRUE(parsed) << text << ": " << error;
        EXPECT_EQ(FormatCaseId(*parsed), text);
        EXPECT_EQ(parsed->kind, id.kind);
        EXPECT_EQ(parsed->fault.kind, id.fault.kind) << text;
        EXPECT_EQ(parsed->fault.n, id.fault.n) << text;
        EXPECT_EQ(parsed->fault.status, id.fault.status) << text;
        EXPECT_EQ(parsed->seed, id.seed) << text;
    }
}

TEST(CaseId, MalformedNamesAreRefused)
{
    for (const char* text : {"", "/fail:Basic.IsEqual#1=-1", "about/fail:Basic.IsEqual#0=-1",
                             "about/fail:Basic.IsEqual#1=0", "about/fail:Basic.IsEqual#1=40000",
                             "about/fail:Basic.IsEqual=-1", "about/withhold:", "about/other", "descriptors/12",
                             "dialog/x#1", "descriptors/1#-1"}) {
        std::string error;
        EXPECT_FALSE(ParseCaseId(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

}  // namespace
}  // namespace kestrow::validate
