// The converter on the command line: more outputs, drops and an input range,
// the JSON of both ends, the design file and the invocations of before.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"

namespace {

using nlohmann::json;

// Push-pull on a typed E 25/13/7 at 50 kHz, 24 V, dB 0.2 T: 11 primary
// turns; 12 V at 5 A.
const std::vector<std::string> kBattery = {"--mode",  "push-pull",
                                           "--core",  "e",
                                           "--h1",    "12.8",
                                           "--h2",    "25.4",
                                           "--l1",    "7.5",
                                           "--l2",    "7.5",
                                           "--freq",  "50",
                                           "--vin",   "24",
                                           "--vout",  "12",
                                           "--db",    "0.2",
                                           "--mu",    "2200",
                                           "--check", "--material",
                                           "N87",     "--load-current",
                                           "5"};

std::vector<std::string> With(std::vector<std::string> arguments,
                              std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

json JsonOf(const std::vector<std::string>& arguments) {
    const CliRun run = RunCli(With(arguments, {"--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out, nullptr, false);
}

const std::initializer_list<std::string> kConverter = {"--output", "5:2",       "--vin-min",
                                                       "18",       "--vin-max", "30"};

// The drops default to 0.7 V: at 18 V a turn gives 18/11 V, so S1 takes
// ⌈12.7·11/18⌉ = 8 turns and S2 ⌈5.7·11/18⌉ = 4.
TEST(CliConverterTest, OutputsAndBothEndsOfTheRange) {
    const json j = JsonOf(With(kBattery, kConverter));
    ASSERT_EQ(j.at("outputs").size(), 2u);
    EXPECT_EQ(j.at("outputs")[0].at("name"), "S1");
    EXPECT_EQ(j.at("outputs")[0].at("turns"), 8);
    EXPECT_NEAR(j.at("outputs")[0].at("voltage_min").get<double>(), 8 * 18.0 / 11 - 0.7, 1e-12);
    EXPECT_EQ(j.at("outputs")[1].at("name"), "S2");
    EXPECT_EQ(j.at("outputs")[1].at("turns"), 4);
    EXPECT_NEAR(j.at("outputs")[1].at("voltage_max").get<double>(), 4 * 30.0 / 11 - 0.7, 1e-12);
    EXPECT_EQ(j.at("check_at_min").at("switch_voltage"), 36);
    EXPECT_EQ(j.at("check_at_max").at("switch_voltage"), 60);
    // The core is worse at 30 V, where the pulse is shortest.
    EXPECT_EQ(j.at("check").at("core_loss"), j.at("check_at_max").at("core_loss"));
    EXPECT_LT(j.at("check_at_min").at("core_loss"), j.at("check_at_max").at("core_loss"));
    EXPECT_EQ(j.at("winding").at("sections").size(), 6u);

    const CliRun text = RunCli(With(kBattery, kConverter));
    EXPECT_NE(
        text.out.find("вторичка S1: 8 витков (в списке 6: без учета падения на выпрямителе)\n"),
        std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Напряжение на ключе=36.0 В / 60.0 В\n"), std::string::npos);
}

TEST(CliConverterTest, DropsGivenForAllOrOneOutput) {
    const json none = JsonOf(With(With(kBattery, kConverter), {"--drop", "0"}));
    EXPECT_EQ(none.at("outputs")[0].at("turns"), 8);  // ⌈12·11/18⌉
    EXPECT_EQ(none.at("outputs")[1].at("turns"), 4);  // ⌈5·11/18⌉
    EXPECT_EQ(none.at("rectifier_loss"), 0);
    const json one = JsonOf(With(With(kBattery, kConverter), {"--drop-n", "2=2"}));
    EXPECT_EQ(one.at("outputs")[1].at("turns"), 5);  // ⌈7·11/18⌉
    EXPECT_NEAR(one.at("rectifier_loss").get<double>(), 0.7 * 5 + 2 * 2, 1e-12);
}

// Without the converter's options the output is that of before, key for key.
TEST(CliConverterTest, TodaysInvocationsGiveTodaysOutput) {
    const json j = JsonOf(kBattery);
    EXPECT_FALSE(j.contains("outputs"));
    EXPECT_FALSE(j.contains("check_at_min"));
    const json same = JsonOf(With(kBattery, {"--vin-min", "24", "--vin-max", "24", "--drop", "0"}));
    EXPECT_EQ(same.at("check"), j.at("check"));
    EXPECT_EQ(same.at("winding"), j.at("winding"));
    EXPECT_FALSE(same.contains("outputs"));
}

TEST(CliConverterTest, ADesignFileKeepsTheConverter) {
    char folder[] = "/tmp/cli-converter-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/pp.transcalc";
    ASSERT_EQ(RunCli(With(With(kBattery, kConverter), {"--save-design", path})).status, 0);
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("\"dropV\": 0.7,\n    \"outputs\": ["), std::string::npos) << text;
    EXPECT_NE(text.find("\"inputMinV\": 18,\n    \"inputMaxV\": 30\n"), std::string::npos);

    const json direct = JsonOf(With(kBattery, kConverter));
    const json reopened = JsonOf({"--design", path, "--check"});
    EXPECT_EQ(reopened.at("outputs"), direct.at("outputs"));
    EXPECT_EQ(reopened.at("check_at_max"), direct.at("check_at_max"));
    std::filesystem::remove_all(folder);
}

TEST(CliConverterTest, BadConverterOptionsAreUsageErrors) {
    const struct {
        std::vector<std::string> more;
        std::string message;
    } cases[] = {
        {{"--output", "5"}, "--output takes V:I[:NAME], not '5'"},
        {{"--output", "5:0"},
         "--output 5:0: an output current must be a number above 0 A and "
         "at most 100000 A"},
        {{"--drop", "6"},
         "--drop 6: a rectifier drop must be a number of at least 0 V and at "
         "most 5 V"},
        {{"--drop-n", "3=0.5"}, "--drop-n takes K=V with K an output from 1 to 1, not '3=0.5'"},
        {{"--vin-min", "25"}, "the input voltage must lie within the input range"},
        {{"--output", "1:1", "--output", "2:1", "--output", "3:1", "--output", "4:1"},
         "--output: at most 3 outputs beside the first"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = With(kBattery, {"--lang", "en"});
        arguments.insert(arguments.end(), c.more.begin(), c.more.end());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 64) << c.message;
        EXPECT_EQ(run.err.rfind("transcalc-cli: " + c.message + "\n", 0), 0u) << run.err;
    }
}

// The default language refuses a range that leaves --vin outside in Russian.
TEST(CliConverterTest, RangeRefusalSpeaksTheLanguage) {
    const CliRun run = RunCli(With(kBattery, {"--vin-min", "25"}));
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.err, "transcalc-cli: входное напряжение должно лежать в пределах входного\n");
}

}  // namespace
