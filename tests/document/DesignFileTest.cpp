#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "DesignFile.h"
#include "FilesFixture.h"

namespace transcalc {
namespace {

namespace fs = std::filesystem;

class DesignFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "design-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string LoadError(const fs::path& path) {
        try {
            LoadDesign(path);
        } catch (const DocumentError& error) {
            return error.what();
        }
        return "loaded";
    }

    fs::path folder_;
};

Design AChoke() {
    Design document;
    document.fields[Field::Dimension1] = "20";
    document.fields[Field::ChokeTurns] = "20";
    document.ShowCore(CoreKind::Ring);
    document.mode = "Дроссель";
    document.check = CheckInputs{};
    return document;
}

TEST_F(DesignFileTest, SavesAndLoadsTheSameDesign) {
    const fs::path path = folder_ / "Дроссель 1.transcalc";
    SaveDesign(AChoke(), path);
    EXPECT_EQ(LoadDesign(path), AChoke());
    EXPECT_EQ(Names(), std::vector<std::string>{"Дроссель 1.transcalc"});
    EXPECT_EQ(Read(path).substr(0, 50),
              "{\n  \"format\": \"transcalc-design\",\n  \"version\": 1,\n");
}

TEST_F(DesignFileTest, ReplacesAnOldFileKeepingItsModeAndFollowsALink) {
    const fs::path path = folder_ / "d.transcalc";
    Write(path, "old");
    ::chmod(path.c_str(), 0640);
    fs::create_symlink("d.transcalc", folder_ / "link.transcalc");
    SaveDesign(AChoke(), folder_ / "link.transcalc");
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.transcalc"));
    EXPECT_EQ(LoadDesign(path), AChoke());
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"d.transcalc", "link.transcalc"}));
}

TEST_F(DesignFileTest, RefusesFilesThatHoldNoDesign) {
    Write(folder_ / "cut.transcalc", "{\n  \"format\": \"transcalc-design\",\n  \"vers");
    Write(folder_ / "v2.transcalc", "{\"format\": \"transcalc-design\", \"version\": 2}");
    fs::create_directory(folder_ / "folder.transcalc");
    ASSERT_EQ(::mkfifo((folder_ / "fifo.transcalc").c_str(), 0600), 0);
    const std::string f = folder_.string() + "/";
    const std::pair<std::string, std::string> cases[] = {
        {"missing.transcalc",
         "Design file \"" + f + "missing.transcalc\": No such file or directory"},
        {"cut.transcalc", "Design file \"" + f +
                              "cut.transcalc\": not JSON: unexpected end of the text in a string "
                              "at line 3, column 8"},
        {"v2.transcalc", "Design file \"" + f +
                             "v2.transcalc\": format version 2 comes from a newer Transcalc; this "
                             "one reads version 1 only"},
        {"folder.transcalc", "Design file \"" + f + "folder.transcalc\": Is a directory"},
        {"fifo.transcalc", "Design file \"" + f + "fifo.transcalc\": not a regular file"},
    };
    for (const auto& [name, message] : cases) {
        EXPECT_EQ(LoadError(folder_ / name), message);
    }
}

TEST_F(DesignFileTest, AFailedSaveOntoAFolderLeavesNoTrace) {
    fs::create_directory(folder_ / "taken.transcalc");
    Write(folder_ / "taken.transcalc" / "inside", "kept");
    try {
        SaveDesign(AChoke(), folder_ / "taken.transcalc");
        ADD_FAILURE() << "saved onto a folder";
    } catch (const DocumentError& error) {
        EXPECT_EQ(std::string(error.what()), "Design file \"" +
                                                 (folder_ / "taken.transcalc").string() +
                                                 "\" not saved: Is a directory");
    }
    EXPECT_EQ(Names(), std::vector<std::string>{"taken.transcalc"});
    EXPECT_EQ(Read(folder_ / "taken.transcalc" / "inside"), "kept");
}

// The save's error in a child process that cannot write to a read-only
// folder: root writes anywhere, so the child gives up root first.
std::string SaveAsUnprivileged(const Design& document, const fs::path& path) {
    return files::testing::AsNobody([&]() -> std::string {
        try {
            SaveDesign(document, path);
        } catch (const DocumentError& error) {
            return error.what();
        }
        return "saved";
    });
}

TEST_F(DesignFileTest, AFailedSaveIntoAReadOnlyFolderKeepsTheOldFileWhole) {
    const fs::path path = folder_ / "d.transcalc";
    SaveDesign(AChoke(), path);
    const std::string before = Read(path);
    ::chmod(folder_.c_str(), 0555);
    ::chmod(path.c_str(), 0666);
    Design changed = AChoke();
    changed.mode = "Двухтактный";
    EXPECT_EQ(SaveAsUnprivileged(changed, path),
              "Design file \"" + path.string() + "\" not saved: Permission denied");
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(Names(), std::vector<std::string>{"d.transcalc"});
}

}  // namespace
}  // namespace transcalc
