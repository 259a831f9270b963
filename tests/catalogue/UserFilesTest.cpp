#include "UserFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Catalogue.h"

namespace transcalc::catalogue {
namespace {

namespace fs = std::filesystem;

class UserFilesTest : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("transcalc-user-files-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void Write(std::string_view file, std::string_view text) const {
        std::ofstream(folder / file, std::ios::binary) << text;
    }
    std::string PathOf(std::string_view file) const { return (folder / file).string(); }

    fs::path folder;
};

TEST_F(UserFilesTest, AddsReplacesAndReportsMalformedLines) {
    Write("cores.tsv",
          "# my cores\n"
          "E 25/13/7\te\tA=26\tB=13\tC=8\tF=7.5\n"
          "Ш 12\te\tA=12\tB=6\tC=4\n"
          "My ring\tring\tA=30\tB=20\tC=10\n");
    Write("materials.tsv",
          "N87\tTDK\tferrite\t2200\t100:0.38\n"
          "2000НМ\tАкме\tferrite\t2000\t25:0.39 100:0.32\n");
    const Catalogue catalogue = LoadCatalogue(folder);

    ASSERT_EQ(catalogue.messages.size(), 1u);
    EXPECT_EQ(
        catalogue.messages[0],
        PathOf("cores.tsv") + ":3: the dimension F is missing (a core of kind e needs A, B, C, F)");

    EXPECT_EQ(catalogue.cores.size(), 890u);  // 889 built in, one added, one replaced
    const Core* replaced = FindCore(catalogue, "E 25/13/7");
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->dimensions.size(), 4u);
    EXPECT_EQ(replaced->Millimetres("A"), 26.0);
    EXPECT_EQ(catalogue.cores.back().name, "My ring");  // added at the end
    EXPECT_EQ(FindCore(catalogue, "Ш 12"), nullptr);

    EXPECT_EQ(catalogue.materials.size(), 310u);
    EXPECT_EQ(FindMaterial(catalogue, "N87")->initialPermeability, 2200);
    EXPECT_EQ(FindMaterial(catalogue, "2000НМ")->maker, "Акме");
    EXPECT_EQ(catalogue.wires.size(), 549u);
}

// 150 000 lines in a blink: indexed by name, not searched line by line. A
// later line of a name replaces the earlier one in its place.
TEST_F(UserFilesTest, ManyLinesMergeByNameInOneLinearPass) {
    std::string text;
    for (int i = 0; i < 150'000; ++i) {
        text += "Ring " + std::to_string(i % 100'000) +
                "\tring\tA=" + std::to_string(20 + i / 100'000) + "\tB=10\tC=5\n";
    }
    text += "E 25/13/7\te\tA=26\tB=13\tC=8\tF=7.5\n";
    Write("cores.tsv", text);
    const Catalogue builtin = BuiltinCatalogue();
    const auto start = std::chrono::steady_clock::now();
    const Catalogue catalogue = LoadCatalogue(folder);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    EXPECT_EQ(catalogue.messages, Messages{});
    ASSERT_EQ(catalogue.cores.size(), builtin.cores.size() + 100'000);
    EXPECT_EQ(catalogue.cores[builtin.cores.size()].name, "Ring 0");
    EXPECT_EQ(catalogue.cores[builtin.cores.size()].Millimetres("A"), 21.0);
    EXPECT_EQ(catalogue.cores.back().name, "Ring 99999");
    EXPECT_EQ(catalogue.cores.back().Millimetres("A"), 20.0);
    const Core* replaced = FindCore(catalogue, "E 25/13/7");
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->Millimetres("A"), 26.0);
    EXPECT_EQ(replaced - catalogue.cores.data(),
              FindCore(builtin, "E 25/13/7") - builtin.cores.data());
}

// A file an editor saved with a byte order mark is read from its first
// line; every number outside its bounds is named and the part left out, the
// built-in one of its name kept.
TEST_F(UserFilesTest, AMarkBeforeTheFirstLineIsSkippedAndBoundsAreNamed) {
    Write("cores.tsv",
          "\xEF\xBB\xBFMy ring\tring\tA=30\tB=20\tC=10\n"
          "E 25/13/7\te\tA=1e300\tB=13\tC=8\tF=7.5\n"
          "Z core\tring\tA=30\tB=20\tC=10\tZ=4\n");
    Write("materials.tsv",
          "\xEF\xBB\xBF\xEF\xBB\xBFN87\tTDK\tferrite\t2200\n"
          "N97\tTDK\tferrite\t2300\t25:0\n"
          "Mine\tAcme\tferrite\t1e300\n");
    Write("wires.tsv", "\xEF\xBB\xBFThin\t1\t0.02\t0.03\n");
    const Catalogue catalogue = LoadCatalogue(folder);
    EXPECT_EQ(
        catalogue.messages,
        (Messages{
            PathOf("cores.tsv") + ":2: the dimension 'A=1e300' is not within 0.1 to 1000 mm",
            PathOf("cores.tsv") + ":3: the dimension Z is not one of kind ring (A, B, C)",
            PathOf("materials.tsv") + ":1: the name holds a byte order mark",
            PathOf("materials.tsv") + ":2: the saturation flux density in '25:0' is not above 0 T",
            PathOf("materials.tsv") +
                ":3: the initial permeability '1e300' is not within 1 to 1000000",
        }));
    EXPECT_EQ(catalogue.cores.back().name, "My ring");
    EXPECT_EQ(FindCore(catalogue, "E 25/13/7")->Millimetres("A"), 25.05);
    EXPECT_EQ(FindMaterial(catalogue, "N87")->initialPermeability, 2309);
    EXPECT_EQ(catalogue.materials.size(), 309u);
    EXPECT_EQ(catalogue.wires.back().name, "Thin");
}

TEST_F(UserFilesTest, FilesThatCannotServe) {
    fs::create_directory(folder / "cores.tsv");
    ASSERT_EQ(mkfifo((folder / "materials.tsv").c_str(), 0600), 0);
    std::ofstream(folder / "wires.tsv") << std::string(kUserFileLimit + 1, '#');
    const Catalogue catalogue = LoadCatalogue(folder);
    EXPECT_EQ(catalogue.messages,
              (std::vector<std::string>{PathOf("cores.tsv") + ": not a regular file, not read",
                                        PathOf("materials.tsv") + ": not a regular file, not read",
                                        PathOf("wires.tsv") + ": larger than 16 MiB, not read"}));
    EXPECT_EQ(catalogue.cores.size(), 889u);
}

TEST_F(UserFilesTest, NoFilesNoMessages) {
    EXPECT_TRUE(LoadCatalogue(folder).messages.empty());
    EXPECT_TRUE(LoadCatalogue(folder / "absent").messages.empty());
    EXPECT_TRUE(LoadCatalogue(fs::path()).messages.empty());
}

TEST(UserDataFolderTest, FromTheEnvironment) {
    struct Case {
        const char* dataHome;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/data", "/home/u", "/data/transcalc"},
        {nullptr, "/home/u", "/home/u/.local/share/transcalc"},
        {"relative", "/home/u", "/home/u/.local/share/transcalc"},  // not absolute: ignored
        {"", "/home/u", "/home/u/.local/share/transcalc"},
        {nullptr, nullptr, ""},
    };
    const std::string savedData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Case& c : cases) {
        c.dataHome ? setenv("XDG_DATA_HOME", c.dataHome, 1) : unsetenv("XDG_DATA_HOME");
        c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        EXPECT_EQ(UserDataFolder().string(), c.folder);
    }
    savedData.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", savedData.c_str(), 1);
    setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace transcalc::catalogue
