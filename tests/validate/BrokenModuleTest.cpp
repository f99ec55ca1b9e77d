// The validator finds real faults: each variant of the plug-in carries one
// deliberate fault, and the validation of the scenarios that reach it must
// report it, while the same validation of the plug-in itself does not.
#include "validate/CaseExecutor.h"
#include "validate/Validator.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace kestrow::validate {
namespace {

struct BrokenModule {
    const char* path;
    std::vector<std::string> scenarios;
    const char* check;
    const char* message;  // part of the violation's message
};

const BrokenModule kBroken[] = {
    {KESTROW_BROKEN_KEEPS_SUITES, {"absolute-px"}, "suites", "left acquired"},
    {KESTROW_BROKEN_SKIPS_FREE, {"relative-mm"}, "handles", "descriptor made by the module and never freed"},
    {KESTROW_BROKEN_FREES_HOST_DESCRIPTOR, {"absolute-px"}, "handles", "freed the host's own descriptor"},
    {KESTROW_BROKEN_CRASHES_AFTER_FAILED_GET, {"relative-px"}, "crash", "the editor died inside the module"},
    {KESTROW_BROKEN_IGNORES_RIGHT_MARGIN, {"dialog-ok-relative"}, "dialog", "the new width shows"},
    {KESTROW_BROKEN_CENTIMETRE_FACTOR, {"absolute-cm"}, "playback", "expected"},
    {KESTROW_BROKEN_WITHOUT_RESOURCES, {"about"}, "dialogs", "which its resources do not hold"},
    {KESTROW_BROKEN_CENTIMETRE_FACTOR, {"dialog-units-cm"}, "dialog", "OK made the document"},
};

size_t Matching(const Summary& summary, const BrokenModule& broken)
{
    size_t count = 0;
    for (const auto& finding : summary.findings)
        if (finding.violation.check == broken.check && finding.violation.message.find(broken.message) != std::string::npos)
            ++count;
    return count;
}

Summary Validate(const std::string& module, const std::vector<std::string>& scenarios)
{
    ValidateOptions options;
    options.modulePath = module;
    options.scenarios = scenarios;
    options.runs = 0;
    options.timeoutSeconds = 20;
    return validate::Validate(options);
}

TEST(BrokenModules, EachDeliberateFaultIsReported)
{
    for (const BrokenModule& broken : kBroken) {
        const Summary found = Validate(broken.path, broken.scenarios);
        EXPECT_GT(Matching(found, broken), 0u) << broken.path << ": no [" << broken.check << "] " << broken.message;
        const Summary plugin = Validate(KESTROW_PLUGIN_MODULE, broken.scenarios);
        EXPECT_EQ(Matching(plugin, broken), 0u) << "the plug-in itself: [" << broken.check << "] " << broken.message;
    }
}

// A module that never returns is stopped after the timeout and reported as
// hanging; the next case runs in a fresh worker.
TEST(BrokenModules, AHangIsReportedAndTheValidationGoesOn)
{
    const auto executor = MakeIsolatedExecutor(KESTROW_BROKEN_HANGS_AFTER_REFUSED_PLAY, 1);
    const CaseResult hung =
        executor->Execute(CaseId::ForScenario("relative-px", Fault::FailCall("ActionControl.Play", 2, -1)));
    ASSERT_EQ(hung.violations.size(), 1u);
    EXPECT_EQ(hung.violations.front().check, "hang");
    const CaseResult next = executor->Execute(CaseId::ForScenario("relative-px"));
    EXPECT_TRUE(next.violations.empty());
    EXPECT_EQ(next.runs, 1u);
}

struct Outcome {
    int exit = -1;
    std::string out;
};

Outcome RunCommand(const std::string& command)
{
    const std::string output = ::testing::TempDir() + "kestrow_validate_out";
    const int status = std::system((command + " > '" + output + "' 2>&1").c_str());
    std::ifstream in(output);
    std::stringstream text;
    text << in.rdbuf();
    return Outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

// A finding's reproduce line, run as printed, shows the same violation again;
// the plug-in itself passes the same validation.
TEST(BrokenModules, ReproduceLinesRunTheCaseAgain)
{
    const std::string command = KESTROW_COMMAND;
    const std::string common = " validate --scenario absolute-px --no-sweep --runs 0";
    const Outcome broken = RunCommand(command + common + " --module '" + KESTROW_BROKEN_FREES_HOST_DESCRIPTOR + "'");
    EXPECT_EQ(broken.exit, 1) << broken.out;
    EXPECT_NE(broken.out.find("violation [handles] freed the host's own descriptor"), std::string::npos) << broken.out;
    std::smatch line;
    ASSERT_TRUE(std::regex_search(broken.out, line, std::regex("reproduce: kestrow (validate [^\n]*)"))) << broken.out;
    const Outcome again = RunCommand(command + " " + line[1].str());
    EXPECT_EQ(again.exit, 1) << again.out;
    EXPECT_NE(again.out.find("violation [handles] freed the host's own descriptor"), std::string::npos) << again.out;

    const Outcome plugin = RunCommand(command + common + " --module '" + KESTROW_PLUGIN_MODULE + "'");
    EXPECT_EQ(plugin.exit, 0) << plugin.out;
    EXPECT_NE(plugin.out.find("violations       0"), std::string::npos) << plugin.out;
}

}  // namespace
}  // namespace kestrow::validate
