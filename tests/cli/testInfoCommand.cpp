#include "cli/InfoCommand.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/ExitCode.h"

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome RunInfo(std::vector<std::string> args)
{
    CLI::App app;
    CInfoCommand info(app);
    args.insert(args.begin(), "info");
    std::reverse(args.begin(), args.end());  // CLI11 parses a reversed vector
    app.parse(args);
    std::ostringstream out, err;
    const int code = info.Run(out, err);
    return {code, out.str(), err.str()};
}

const std::string kSample = std::string(PLOTVANE_TEST_DATA) + "/../../examples/sample-graph.png";

}  // namespace

TEST(InfoCommand, DescribesTheSampleGraphAsTextAndJson)
{
    const Outcome text = RunInfo({kSample});
    EXPECT_EQ(text.code, kExitOk);
    EXPECT_NE(text.out.find("format: PNG\n"), std::string::npos);
    EXPECT_NE(text.out.find("width: 800\nheight: 600\n"), std::string::npos);
    EXPECT_TRUE(text.err.empty());

    const Outcome json = RunInfo({kSample, "--json"});
    ASSERT_EQ(json.code, kExitOk);
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["format"], "PNG");
    EXPECT_EQ(j["width"], 800);
    EXPECT_EQ(j["height"], 600);
    EXPECT_EQ(j["bits_per_pixel"], 32);
}

TEST(InfoCommand, UnreadableFilesExitWithThreeAndTheReasonOnStderr)
{
    const Outcome missing = RunInfo({"/nonexistent/graph.png"});
    EXPECT_EQ(missing.code, kExitUnreadable);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("Failed to open given file"), std::string::npos);

    const Outcome notAnImage = RunInfo({std::string(PLOTVANE_TEST_DATA) + "/../CMakeLists.txt"});
    EXPECT_EQ(notAnImage.code, kExitUnreadable);
    EXPECT_NE(notAnImage.err.find("Unknown file type."), std::string::npos);
}
