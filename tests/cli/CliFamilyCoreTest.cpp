// The command line on cores beyond the ring, Ш and П: named from the
// catalogue, run on their effective parameters, checked and wound.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "CliRun.h"

namespace {

// Ferroxcube gives ETD 39/20/13 A_e 125 mm² and l_e 92.2 mm; the list shows
// the core's own figures, the heading names it by its catalogue name.
TEST(CliFamilyCoreTest, AnEtdPushPullIsCheckedAndWound) {
    const CliRun run = RunCli(
        {"--separator", ",",      "--core-name", "ETD 39",         "--mode", "push-pull", "--vin",
         "24",          "--vout", "12",          "--freq",         "100",    "--db",      "0,2",
         "--material",  "N87",    "--check",     "--load-current", "5",      "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("core_family"), "etd");
    EXPECT_TRUE(json.at("error").is_null());
    const auto& lines = json.at("lines");
    for (const char* line :
         {"Сечение=1,2497 см2", "Длина магнитной линии=9,29 см", "Магнитопровод ETD 39/20/13"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    EXPECT_NEAR(json.at("check").at("effective_area").get<double>(), 125e-6, 125e-6 * 0.01);
    const auto& winding = json.at("winding");
    ASSERT_TRUE(winding.is_object()) << run.out;
    EXPECT_TRUE(winding.at("on_bobbin").get<bool>());
    EXPECT_TRUE(winding.at("fits").get<bool>());
}

class CliFamilyFileTest : public testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/cli-family-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Path(const char* name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

// The file keeps the family and the name; without that core in the catalogue
// it opens with no core at all, and says so.
TEST_F(CliFamilyFileTest, KeepsTheFamilyAndTheName) {
    ASSERT_EQ(RunCli({"--core-name", "PQ 32/30", "--mode", "push-pull", "--save-design",
                      Path("pq.transcalc")})
                  .status,
              3);
    std::stringstream text;
    text << std::ifstream(Path("pq.transcalc")).rdbuf();
    std::string saved = text.str();
    EXPECT_NE(saved.find("\"core\": \"pq\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"catalogueCore\": \"PQ 32/30\""), std::string::npos) << saved;

    saved.replace(saved.find("PQ 32/30"), 8, "PQ 99/99");
    std::ofstream(Path("gone.transcalc")) << saved;
    const CliRun run = RunCli({"--separator", ",", "--design", Path("gone.transcalc")});
    EXPECT_EQ(run.err, "transcalc-cli: Design file \"" + Path("gone.transcalc") +
                           "\": no pq core \"PQ 99/99\" in the catalogue; the design is left "
                           "without a core\n");
    EXPECT_EQ(run.out.find("Магнитопровод"), std::string::npos) << run.out;
}

}  // namespace
