// The built kestrow command, run as a process: its output, JSON and exit
// status. Runs that need the real plug-in are compiled in when it is built.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int exit = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
// cmd.exe runs the command line: each argument in double quotes, as the C
// runtime splits them; the whole line in one more pair, which cmd.exe removes.
std::string Quote(const std::string& text)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    return quoted.append(backslashes, '\\') + "\"";
}
const char* const kNoInput = "NUL";
int RunShell(const std::string& line) { return std::system(("\"" + line + "\"").c_str()); }
int ExitCode(int status) { return status; }
#else
std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
const char* const kNoInput = "/dev/null";
int RunShell(const std::string& line) { return std::system(line.c_str()); }
int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
#endif

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A temporary file of the running test alone: ctest runs tests in parallel.
std::string TempPath(const std::string& name)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return ::testing::TempDir() + test->test_suite_name() + "_" + test->name() + "_" + name;
}

std::string WriteTemp(const std::string& name, const std::string& text)
{
    const std::string path = TempPath(name);
    std::ofstream(path) << text;
    return path;
}

// Runs kestrow with `args`; `input`, when given, is its standard input.
Outcome Kestrow(const std::vector<std::string>& args, const std::string& input = "")
{
    const std::string base = TempPath("kestrow_run");
    std::string command = Quote(KESTROW_COMMAND);
    for (const auto& arg : args) command += " " + Quote(arg);
    command += " < " + (input.empty() ? std::string(kNoInput) : Quote(WriteTemp("kestrow_stdin", input)));
    command += " > " + Quote(base + ".out") + " 2> " + Quote(base + ".err");
    Outcome outcome;
    outcome.exit = ExitCode(RunShell(command));
    outcome.out = ReadFile(base + ".out");
    outcome.err = ReadFile(base + ".err");
    return outcome;
}

size_t Lines(const std::string& text)
{
    size_t count = 0;
    for (char c : text) count += c == '\n';
    return count;
}

// Bad command lines and files: exit 2, one line on stderr naming the fault,
// nothing on stdout. The stand-in module keeps these independent of the plug-in.
TEST(KestrowCommand, BadArgumentsAndFilesExitWithTwoAndOneLine)
{
    const std::string module = KESTROW_TEST_MODULE;
    const std::string badSession = WriteTemp("bad_session", "play Top=1\nplay Top=oops\n");
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const std::vector<Case> cases = {
        {{"play", "--module", module, "Top=abc"}, "Top=abc"},
        {{"play", "--module", module, "Width=5"}, "Width"},
        {{"play", "--module", module, "--doc", "0x10"}, "0x10"},
        {{"play", "--module", module, "--empty", "Top=1"}, "--empty"},
        {{"play", "--module", module, "--frobnicate"}, "--frobnicate"},
        {{"play", "--module", "/nonexistent/Kestrow.so"}, "/nonexistent/Kestrow.so"},
        {{"play", "--module", KESTROW_NO_ENTRY_MODULE}, "PluginMain"},
        {{}, "subcommand"},
        {{"session", "--module", module, badSession}, ":2: "},
        {{"session", "--module", module, "/nonexistent/session.txt"}, "/nonexistent/session.txt"},
        {{"session", "--module", module}, "file"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Kestrow(c.args);
        std::string shown;
        for (const auto& arg : c.args) shown += arg + " ";
        EXPECT_EQ(outcome.exit, 2) << shown << outcome.err;
        EXPECT_EQ(Lines(outcome.err), 1u) << shown << outcome.err;
        EXPECT_NE(outcome.err.find(c.named), std::string::npos) << shown << outcome.err;
        EXPECT_TRUE(outcome.out.empty()) << shown << outcome.out;
    }
}

TEST(KestrowCommand, SessionReadsStandardInputAndReportsAJsonArray)
{
    const Outcome outcome = Kestrow({"session", "--json", "--module", KESTROW_TEST_MODULE, "-"},
                                    "document 100x50\nplay Wdth=int:5\nplay\ncall Other Thing\n");
    EXPECT_EQ(outcome.exit, 1) << "the stand-in refuses an unknown caller";
    EXPECT_EQ(outcome.err, "kestrow: <stdin>:4: the plug-in returned -30900\n");
    const auto runs = nlohmann::json::parse(outcome.out);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0]["document"]["width"], 105);
    EXPECT_EQ(runs[1]["document"]["width"], 115) << "the document carries over; no descriptor adds 10";
    EXPECT_EQ(runs[2]["caller"], "Other");
    EXPECT_EQ(runs[2]["result"], -30900);
}

#ifdef KESTROW_PLUGIN_MODULE

TEST(KestrowWithPlugin, RelativeMarginsPlayOneEventPerSideAndRecordThem)
{
    const Outcome outcome = Kestrow({"play", "--doc", "1000x500", "--json", "Top=20", "Left=int:10"});
    ASSERT_EQ(outcome.exit, 0) << outcome.err;
    EXPECT_TRUE(outcome.err.empty()) << outcome.err;
    const auto run = nlohmann::json::parse(outcome.out);
    const auto expected = nlohmann::json::parse(R"({
      "caller": "PS Photoshop", "selector": "Do It", "playOption": 2, "result": 0,
      "events": [
        {"event": "CnvS", "status": 0, "descriptor": [
          {"key": "Hght", "type": "UntF", "unit": "#Pxl", "value": 520},
          {"key": "Vrtc", "type": "enum", "enumType": "VrtL", "value": "Bttm"}]},
        {"event": "CnvS", "status": 0, "descriptor": [
          {"key": "Wdth", "type": "UntF", "unit": "#Pxl", "value": 1010},
          {"key": "Hrzn", "type": "enum", "enumType": "HrzL", "value": "Rght"}]}],
      "recorded": [
        {"key": "Top ", "type": "doub", "value": 20},
        {"key": "Left", "type": "doub", "value": 10},
        {"key": "RlrU", "type": "enum", "enumType": "RlrU", "value": "RrPx"}],
      "recordOption": 0,
      "document": {"width": 1010, "height": 520, "resolution": 72},
      "history": ["Kestrow"],
      "dialogs": [],
      "problems": []
    })");
    EXPECT_EQ(run, expected) << run.dump(2);
}

TEST(KestrowWithPlugin, HumanOutputShowsEventsSizeHistoryAndRecording)
{
    const Outcome outcome = Kestrow({"play", "--doc", "3000x1500@300", "Wdth=12", "Hght=6", "Hrzn=ADSt:AdCH",
                                     "Vrtc=ADSt:AdCH", "RlrU=RlrU:RrIn"});
    ASSERT_EQ(outcome.exit, 0) << outcome.err;
    for (const char* line : {"event CnvS\n    Wdth=unit:#Rlt:864 Hght=unit:#Rlt:432 Hrzn=HrzL:Cntr Vrtc=VrtL:Cntr",
                             "document 3600 x 1800 pixels at 300 ppi", "history state \"Kestrow\"",
                             "recorded Wdth=12 Hght=6 Hrzn=ADSt:AdCH Vrtc=ADSt:AdCH RlrU=RlrU:RrIn (record option 0)"}) {
        EXPECT_NE(outcome.out.find(line), std::string::npos) << line << "\n" << outcome.out;
    }
}

TEST(KestrowWithPlugin, CancelAndRefusalExitWithOneAndSayWhy)
{
    struct Case {
        std::vector<std::string> args;
        const char* said;
    };
    const std::vector<Case> cases = {
        {{"play", "--play-option", "1"}, "cancelled"},
        {{"play", "--doc", "1000x500", "Top=-600"}, "CnvS refused"},
        {{"play", "--doc", "10x10", "Wdth=300001", "Hrzn=ADSt:AdLf", "Vrtc=ADSt:AdTp"}, "CnvS refused"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Kestrow(c.args);
        EXPECT_EQ(outcome.exit, 1) << c.args.back() << outcome.err;
        EXPECT_NE(outcome.err.find(c.said), std::string::npos) << outcome.err;
        EXPECT_EQ(Lines(outcome.err), 1u) << outcome.err;
    }
}

TEST(KestrowWithPlugin, SessionKeepsThePluginStateBetweenRuns)
{
    const std::string file = WriteTemp("carry_over", "document 1000x500\n"
                                                     "play Top=10\n"
                                                     "# no descriptor: the margins of the last run are played again\n"
                                                     "call \"PS Photoshop\" \"Do It\"\n"
                                                     "call \"SP Interface\" About\n");
    const Outcome outcome = Kestrow({"session", "--json", file});
    ASSERT_EQ(outcome.exit, 0) << outcome.err;
    const auto runs = nlohmann::json::parse(outcome.out);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1]["events"].size(), 1u);
    EXPECT_EQ(runs[1]["document"]["height"], 520);
    EXPECT_EQ(runs[1]["history"], nlohmann::json::array({"Kestrow"}));
    EXPECT_EQ(runs[2]["result"], 0);
    ASSERT_EQ(runs[2]["dialogs"].size(), 1u);
    EXPECT_EQ(runs[2]["dialogs"][0]["resourceId"], 18000);
}

#endif

}  // namespace
