// kestrow run as a program with a dialog script: the interactive run's
// report and exit status, steps the dialog refuses, session dialog blocks,
// the About box, and the pictures --render and a render step write.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifdef KESTROW_COMMAND_RENDERS
#include "render/Picture.h"
#endif

namespace {

struct Outcome {
    int exit = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Files of their own for each test, so tests may run side by side.
std::string TempPath(const std::string& name)
{
    return ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
}

std::string WriteTemp(const std::string& name, const std::string& text)
{
    const std::string path = TempPath(name);
    std::ofstream(path) << text;
    return path;
}

Outcome Kestrow(const std::vector<std::string>& args)
{
    const std::string base = TempPath("kestrow");
    std::string command = Quote(KESTROW_COMMAND);
    for (const auto& arg : args) command += " " + Quote(arg);
    command += " < /dev/null > " + Quote(base + ".out") + " 2> " + Quote(base + ".err");
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = ReadFile(base + ".out");
    outcome.err = ReadFile(base + ".err");
    return outcome;
}

const nlohmann::json* FindItem(const nlohmann::json& dialog, int id)
{
    for (const auto& item : dialog["items"])
        if (item["id"] == id) return &item;
    return nullptr;
}

TEST(DialogCommand, PlayWithAScriptReportsTheRunAndTheDialogState)
{
    const std::string script = WriteTemp("margins.txt", "type top 20\ntype left 10\nclick ok\n");
    const Outcome outcome = Kestrow({"play", "--doc", "1000x500", "--json", "--dialog", script});
    ASSERT_EQ(outcome.exit, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const auto run = nlohmann::json::parse(outcome.out);
    EXPECT_EQ(run["playOption"], 1);
    EXPECT_EQ(run["events"].size(), 2u);
    EXPECT_EQ(run["recorded"][0]["key"], "Top ");
    EXPECT_EQ(run["recorded"][0]["value"], 20);
    EXPECT_EQ(run["document"]["height"], 520);
    EXPECT_EQ(run["script"]["stepsRun"], 3);
    EXPECT_EQ(run["script"]["failure"], nullptr);
    ASSERT_EQ(run["dialogs"].size(), 1u);
    const auto& dialog = run["dialogs"][0];
    EXPECT_EQ(dialog["result"], 1);
    EXPECT_EQ(dialog["ending"], "ended by the plug-in");
    const nlohmann::json* top = FindItem(dialog, 16001);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ((*top)["name"], "top");
    EXPECT_EQ((*top)["text"], "20");
    const nlohmann::json* centre = FindItem(dialog, 16025);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ((*centre)["value"], true);
    EXPECT_EQ((*centre)["shownPicture"], 130);

    const Outcome text = Kestrow({"play", "--doc", "1000x500", "--dialog", script});
    EXPECT_NE(text.out.find("    16017  newWidth       label           \"1010 pixels\"\n"), std::string::npos)
        << text.out;
}

TEST(DialogCommand, RefusedStepsAndFailedExpectationsFailTheRunNamingTheItem)
{
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"type uniform 5\nclick ok\n",
         ":1: type uniform: item 16005 (edit field) is disabled; it cannot be typed into\n"},
        {"click absolute\nclick 16017\n", ":2: click 16017: item 16017 (label) cannot be clicked\n"},
        {"expect cancel text = Reset\n",
         ":1: expect cancel: item 2 text is \"Cancel\", expected \"Reset\"\n"},
    };
    for (const Case& c : cases) {
        const std::string script = WriteTemp("refused.txt", c.script);
        const Outcome outcome = Kestrow({"play", "--dialog", script});
        EXPECT_EQ(outcome.exit, 1) << c.script;
        EXPECT_EQ(outcome.err.rfind("kestrow: " + script + c.error, 0), 0u) << outcome.err;
        EXPECT_NE(outcome.out.find("result -128 (cancelled)"), std::string::npos) << outcome.out;
        EXPECT_NE(outcome.out.find("no events played"), std::string::npos) << "nothing after the failed step";
    }
}

TEST(DialogCommand, BadScriptsAreUsageErrors)
{
    const std::string bad = WriteTemp("bad.txt", "type top 1\nclick nowhere\n");
    const Outcome outcome = Kestrow({"play", "--dialog", bad});
    EXPECT_EQ(outcome.exit, 2);
    EXPECT_EQ(outcome.err, "kestrow: " + bad + ":2: unknown item 'nowhere' (give its number or a name such as top, "
                                                "width, ok)\n");
    EXPECT_EQ(outcome.out, "");
    const Outcome missing = Kestrow({"play", "--dialog", "/nonexistent/steps.txt"});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_NE(missing.err.find("cannot read /nonexistent/steps.txt"), std::string::npos) << missing.err;
}

TEST(DialogCommand, CancelAndRunningOutEndTheRunCancelled)
{
    const std::string cancel = WriteTemp("cancel.txt", "type top 20\nclick cancel\n");
    const Outcome cancelled = Kestrow({"play", "--dialog", cancel, "Top=5"});
    EXPECT_EQ(cancelled.exit, 1);
    EXPECT_EQ(cancelled.err, "kestrow: cancelled (the plug-in returned -128)\n");
    EXPECT_NE(cancelled.out.find("nothing recorded"), std::string::npos) << cancelled.out;

    const std::string short_ = WriteTemp("short.txt", "type top 20\n");
    const Outcome ranOut = Kestrow({"play", "--dialog", short_});
    EXPECT_EQ(ranOut.exit, 1);
    EXPECT_NE(ranOut.out.find("the steps ran out with the dialog \"Canvas\" open: it was closed as if the user "
                              "closed it (result 0)"),
              std::string::npos)
        << ranOut.out;
}

TEST(DialogCommand, SessionDialogBlocksRunWithTheDialogInOneModuleLifetime)
{
    const std::string session = WriteTemp("dialog_session.txt",
                                          "document 1000x500@150\n"
                                          "dialog\n"
                                          "  type top 20\n"
                                          "  click ok\n"
                                          "end\n"
                                          "dialog\n"
                                          "  expect currentHeight text = \"520 pixels\"\n"
                                          "  click ok\n"
                                          "end\n"
                                          "play Left=4\n");
    const Outcome outcome = Kestrow({"session", "--json", session});
    EXPECT_EQ(outcome.exit, 1) << "the second dialog changed nothing: cancelled";
    EXPECT_EQ(outcome.err, "kestrow: " + session + ":6: cancelled (the plug-in returned -128)\n");
    const auto runs = nlohmann::json::parse(outcome.out);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0]["result"], 0);
    EXPECT_EQ(runs[0]["script"]["steps"], 2);
    EXPECT_EQ(runs[1]["result"], -128);
    EXPECT_EQ(runs[1]["script"]["failure"], nullptr);
    EXPECT_EQ(runs[2]["playOption"], 2) << "a play step still runs without the dialog";
    EXPECT_FALSE(runs[2].contains("script"));
    EXPECT_EQ(runs[2]["document"]["width"], 1004);
}

TEST(DialogCommand, AboutShowsTheAboutBox)
{
    const std::string script = WriteTemp("about.txt", "expect webAddress text = https://kestrow.example.org/\n"
                                                       "click ok\n");
    const Outcome outcome = Kestrow({"about", "--dialog", script});
    EXPECT_EQ(outcome.exit, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("SP Interface / About: result 0"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("dialog \"About\" 18000 ended with 1"), std::string::npos) << outcome.out;
}

#ifdef KESTROW_COMMAND_RENDERS

TEST(DialogCommand, RenderWritesPicturesOfTheDialogs)
{
    const std::string mid = TempPath("mid.png");
    const std::string end = TempPath("end.png");
    const std::string about = TempPath("about.png");
    const std::string script = WriteTemp("render.txt", "click about\nrender " + about + "\nclick ok\nrender " + mid +
                                                           "\nclick absolute\nclick cancel\n");
    const Outcome outcome = Kestrow({"play", "--dialog", script, "--render", end});
    EXPECT_EQ(outcome.exit, 1) << "cancelled";
    EXPECT_NE(outcome.out.find("drawn into " + end), std::string::npos) << outcome.out;
    const kestrow::render::Picture aboutPicture = kestrow::render::ReadPng(about);
    EXPECT_EQ(aboutPicture.width, 332);
    EXPECT_EQ(aboutPicture.height, 211);
    const kestrow::render::Picture midPicture = kestrow::render::ReadPng(mid);
    const kestrow::render::Picture endPicture = kestrow::render::ReadPng(end);
    EXPECT_EQ(midPicture.width, 407);
    EXPECT_EQ(endPicture.height, 323);
    EXPECT_NE(midPicture.pixels, endPicture.pixels) << "the end picture shows absolute mode";

    const Outcome unwritable = Kestrow({"about", "--render", "/nonexistent-folder/about.png"});
    EXPECT_EQ(unwritable.exit, 1);
    EXPECT_NE(unwritable.err.find("cannot write /nonexistent-folder/about.png"), std::string::npos)
        << unwritable.err;
    for (const std::string& path : {mid, end, about}) std::remove(path.c_str());
}

#endif

}  // namespace
