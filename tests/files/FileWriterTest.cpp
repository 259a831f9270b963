#include "FileWriter.h"

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "FileReader.h"
#include "FilesFixture.h"

namespace transcalc::files::testing {
namespace {

const std::string kOld = "old content\n";
const std::string kNew = "new content, longer than the old one\n";

// "saved" or the failure's text.
std::string Save(const fs::path& path, const std::string& bytes, InPlace inPlace = InPlace::Never) {
    try {
        ReplaceRegularFile(path, bytes, inPlace);
    } catch (const FileFailure& failure) {
        return failure.what();
    }
    return "saved";
}

mode_t TypeOf(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

using FileWriterTest = FilesTest;

TEST_F(FileWriterTest, WhatIsNoRegularFileIsRefusedAndLeftAlone) {
    fs::create_directory(Path("folder"));
    Write(Path("folder") / "inside", kOld);
    MakeFifo("fifo");
    MakeSocket("socket");
    fs::create_symlink("fifo", Path("link-to-fifo"));
    fs::create_symlink("folder", Path("link-to-folder"));
    const std::vector<std::string> before = Names();
    const struct {
        const char* name;
        const char* failure;
        const char* standing;  // what the link leads to, or the name itself
        mode_t type;
    } cases[] = {
        {"folder", "Is a directory", "folder", S_IFDIR},
        {"fifo", "not a regular file", "fifo", S_IFIFO},
        {"socket", "not a regular file", "socket", S_IFSOCK},
        {"link-to-fifo", "not a regular file", "fifo", S_IFIFO},
        {"link-to-folder", "Is a directory", "folder", S_IFDIR},
        {"missing-folder/file", "No such file or directory", "missing-folder", 0},
        {"", "No such file or directory", "", S_IFDIR},
    };
    for (const auto& c : cases) {
        const fs::path path = *c.name == '\0' ? fs::path() : Path(c.name);
        EXPECT_EQ(Save(path, kNew), c.failure) << c.name;
        EXPECT_EQ(TypeOf(Path(c.standing)), c.type) << c.name;
    }
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(Read(Path("folder") / "inside"), kOld);
}

TEST_F(FileWriterTest, ADeviceNodeIsNeitherReadNorReplaced) {
    if (!MakeDevice("null")) {
        GTEST_SKIP() << "only root can make a device node";
    }
    fs::create_symlink("null", Path("link"));
    for (const char* name : {"null", "link"}) {
        EXPECT_EQ(Save(Path(name), kNew), "not a regular file") << name;
        try {
            ReadFileText(Path(name), 100);
            ADD_FAILURE() << name << " read";
        } catch (const FileFailure& failure) {
            EXPECT_TRUE(failure.NotRegular()) << name;
        }
    }
    EXPECT_EQ(TypeOf(Path("null")), static_cast<mode_t>(S_IFCHR));
    EXPECT_EQ(Names(), (std::vector<std::string>{"link", "null"}));
}

TEST_F(FileWriterTest, ReplacesTheFileALinkChainEndsInKeepingModeAndLinks) {
    fs::create_directory(Path("real"));
    Write(Path("real") / "file", kOld);
    ::chmod((Path("real") / "file").c_str(), 0640);
    fs::create_symlink("real/file", Path("first"));
    fs::create_symlink(Path("first"), Path("second"));  // absolute
    EXPECT_EQ(Save(Path("second"), kNew), "saved");
    EXPECT_EQ(Read(Path("real") / "file"), kNew);
    EXPECT_EQ(TypeOf(Path("first")), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(TypeOf(Path("second")), static_cast<mode_t>(S_IFLNK));
    struct stat status {};
    ASSERT_EQ(::stat((Path("real") / "file").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(Path("real")), std::vector<std::string>{"file"});

    // A link to a file yet to be made makes that file.
    fs::create_symlink("real/new", Path("dangling"));
    EXPECT_EQ(Save(Path("dangling"), kNew), "saved");
    EXPECT_EQ(Read(Path("real") / "new"), kNew);
    EXPECT_EQ(TypeOf(Path("dangling")), static_cast<mode_t>(S_IFLNK));
}

TEST_F(FileWriterTest, TheLongestLegalNameIsSaved) {
    const std::string name(255, 'n');
    EXPECT_EQ(Save(Path(name), kOld), "saved");
    EXPECT_EQ(Save(Path(name), kNew), "saved");
    EXPECT_EQ(Read(Path(name)), kNew);
    EXPECT_EQ(Names(), std::vector<std::string>{name});
    EXPECT_EQ(Save(Path(name + "n"), kNew), "File name too long");
}

TEST_F(FileWriterTest, AFileSizeLimitKeepsTheOldFileWhole) {
    Write(Path("file"), kOld);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 16;  // less than the new content
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string failure = Save(Path("file"), kNew);
    const std::string inPlace = Save(Path("file"), kNew, InPlace::WhenFolderRefuses);
    // Restored before anything else writes, the test report included.
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);

    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(inPlace, "File too large");  // the folder takes a temporary file
    EXPECT_EQ(Read(Path("file")), kOld);
    EXPECT_EQ(Names(), std::vector<std::string>{"file"});
}

// A small file system of its own, unmounted when the test ends.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& folder) : folder_(folder) {
        fs::create_directory(folder);
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") == 0;
        error_ = mounted_ ? 0 : errno;
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    bool Mounted() const { return mounted_; }
    const char* Error() const { return std::strerror(error_); }

private:
    fs::path folder_;
    bool mounted_ = false;
    int error_ = 0;
};

TEST_F(FileWriterTest, AFullDiskSaysSoAndKeepsTheOldFileWhole) {
    const SmallDisk disk(Path("disk"));
    if (!disk.Mounted()) {
        GTEST_SKIP() << "no tmpfs can be mounted here: " << disk.Error();
    }
    const fs::path file = Path("disk") / "file";
    Write(file, kOld);
    {
        std::ofstream filler(Path("disk") / "filler", std::ios::binary);
        const std::string block(512, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }
    EXPECT_EQ(Save(file, std::string(8192, 'x')), "No space left on device");
    EXPECT_EQ(Read(file), kOld);
    EXPECT_EQ(Names(Path("disk")), (std::vector<std::string>{"file", "filler"}));
}

TEST_F(FileWriterTest, AReadOnlyFolderRefusesUnlessTheFileMayBeRewrittenInPlace) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to switch to user nobody";
    }
    Write(Path("writable"), kNew + kNew);
    Write(Path("protected"), kOld);
    ::chmod(Path("writable").c_str(), 0666);
    ::chmod(Path("protected").c_str(), 0644);
    ::chmod(folder_.c_str(), 0755);  // root's: nobody cannot add a file
    const fs::path writable = Path("writable");
    const fs::path protectedFile = Path("protected");
    const fs::path absent = Path("absent");
    EXPECT_EQ(AsNobody([&] { return Save(writable, kOld); }), "Permission denied");
    EXPECT_EQ(Read(writable), kNew + kNew);
    EXPECT_EQ(AsNobody([&] { return Save(protectedFile, kNew, InPlace::WhenFolderRefuses); }),
              "Permission denied");
    EXPECT_EQ(AsNobody([&] { return Save(absent, kNew, InPlace::WhenFolderRefuses); }),
              "Permission denied");
    // In place the content is cut to its new length.
    EXPECT_EQ(AsNobody([&] { return Save(writable, kOld, InPlace::WhenFolderRefuses); }), "saved");
    EXPECT_EQ(Read(writable), kOld);
    EXPECT_EQ(Read(protectedFile), kOld);
    EXPECT_EQ(Names(), (std::vector<std::string>{"protected", "writable"}));
}

}  // namespace
}  // namespace transcalc::files::testing
