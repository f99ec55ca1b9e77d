// kestrow resources, run as a user runs it: the JSON lists what the module
// declares, and a broken module gives one line on stderr and a failure.
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string output;
};

Outcome RunKestrow(const std::string& arguments)
{
    const std::string command = std::string("\"") + KESTROW_COMMAND + "\" " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, ""};
    std::string output;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(ResourcesCommand, ListsTheModulesDeclarationsAsJson)
{
    const Outcome run = RunKestrow(std::string("resources --json --module \"") + KESTROW_MODULE_FILE + "\"");
    ASSERT_EQ(run.status, 0) << run.output;
    const nlohmann::json d = nlohmann::json::parse(run.output);
    EXPECT_EQ(d["plugin"]["kind"], "8LIZ");
    EXPECT_EQ(d["plugin"]["menuText"], "&Kestrow...");
    EXPECT_EQ(d["plugin"]["entryPoint"], "PluginMain");
    EXPECT_EQ(d["plugin"]["version"], "1.0");

    std::vector<std::string> parameters;
    for (const auto& p : d["terminology"]["event"]["parameters"])
        parameters.push_back(p["name"].get<std::string>() + "=" + p["key"].get<std::string>());
    EXPECT_EQ(parameters, (std::vector<std::string>{"Width=Wdth", "Height=Hght", "Horizontal=Hrzn", "Vertical=Vrtc",
                                                    "Top=Top ", "Left=Left", "Bottom=Btom", "Right=Rght",
                                                    "Units=RlrU"}));
    ASSERT_EQ(d["terminology"]["enumerations"].size(), 2u);
    EXPECT_EQ(d["terminology"]["enumerations"][0]["values"][4]["name"], "percent");
    EXPECT_EQ(d["terminology"]["enumerations"][0]["values"][4]["code"], "RrPr");

    ASSERT_EQ(d["dialogs"].size(), 2u);
    EXPECT_EQ(d["dialogs"][0]["id"], 16000);
    EXPECT_EQ(d["dialogs"][0]["items"].size(), 50u);
    EXPECT_EQ(d["dialogs"][1]["id"], 18000);
    const auto& webAddress = d["dialogs"][1]["items"][6];
    EXPECT_EQ(webAddress["kind"], "edit field");
    EXPECT_EQ(webAddress["number"], 18002);
    EXPECT_EQ(webAddress["tabStop"], true);
    EXPECT_EQ(d["icons"].size(), 17u);
    EXPECT_EQ(d["icons"][8]["id"], 130);
    EXPECT_EQ(d["icons"][8]["images"].size(), 2u);
}

TEST(ResourcesCommand, ABrokenModuleFailsWithOneLineNamingIt)
{
    std::ifstream in(KESTROW_MODULE_FILE, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string path = ::testing::TempDir() + "kestrow_truncated_module.so";
    std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() / 2);

    const Outcome run = RunKestrow("resources --module \"" + path + "\" 2>&1");
    std::remove(path.c_str());
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.output.rfind("kestrow: " + path + ": ", 0), 0u) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
}

}  // namespace
