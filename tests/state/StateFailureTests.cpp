#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "StateFile.h"
#include "StateFileFixture.h"

namespace transcalc::testing {
namespace {

constexpr uid_t kNobody = 65534;
const QByteArray kOldFile = "old state\r\n";

// Runs in a child process: once it has become user nobody it cannot gain
// root back, so the parent stays root.
void BecomeNobody() {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
        std::fprintf(stderr, "cannot become nobody: %s\n", std::strerror(errno));
        std::_Exit(2);
    }
}

// Checked in the child itself, which may be a fresh run of the test with a
// folder of its own.
std::string OldFileAloneOrWhy(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != kOldFile) {
        return ", old file changed";
    }
    const QStringList entries =
        QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    return entries == QStringList{QStringLiteral("zentu.pallomir")} ? "" : ", another file left";
}

[[noreturn]] void ExitWithSaveFailure(const QString& path) {
    BecomeNobody();
    const std::string failure = SaveFailure(DesignState(), path);
    std::fprintf(stderr, "%s%s\n", failure.c_str(), OldFileAloneOrWhy(path).c_str());
    std::_Exit(0);
}

class StateFailure : public StateFileTest {
protected:
    void SetUp() override { Store(kOldFile); }

    // The old file unchanged and no temporary file beside it.
    void ExpectOldFileAlone(const QString& folder = {}) const {
        const QString path = folder.isEmpty() ? Path() : folder + "/zentu.pallomir";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), kOldFile);
        EXPECT_EQ(FolderEntries(folder), QStringList{QStringLiteral("zentu.pallomir")});
    }

    void SkipUnlessRoot() {
        if (geteuid() != 0) {
            GTEST_SKIP() << "needs root to switch to user nobody";
        }
    }
};

TEST_F(StateFailure, FileSizeLimitKeepsTheOldFile) {
    const WindowState state = DesignState();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 64;  // less than the 53 lines need
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string failure = SaveFailure(state, Path());
    // Restored before anything else writes, the test report included.
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(failure, "I/O error 27");  // EFBIG
    ExpectOldFileAlone();
}

TEST_F(StateFailure, WriteProtectedFolderKeepsTheOldFile) {
    SkipUnlessRoot();
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Path()).constData(), 0644), 0);
    EXPECT_EXIT(ExitWithSaveFailure(Path()), ::testing::ExitedWithCode(0),
                "^File access denied\n$");
    ExpectOldFileAlone();
}

// A small file system of its own, unmounted when the test ends.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : folder_(QFile::encodeName(folder)) {
        mounted_ = QDir().mkpath(folder) &&
                   mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=16k") == 0;
        error_ = mounted_ ? 0 : errno;
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk() {
        if (mounted_) {
            umount2(folder_.constData(), MNT_DETACH);
        }
    }
    bool Mounted() const { return mounted_; }
    const char* Error() const { return std::strerror(error_); }

    // Takes up every free byte.
    void Fill() const {
        QFile filler(QFile::decodeName(folder_) + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    int error_ = 0;
};

TEST_F(StateFailure, DiskFullKeepsTheOldFile) {
    const QString folder = Path(QStringLiteral("disk"));
    const SmallDisk disk(folder);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "no tmpfs can be mounted here: " << disk.Error();
    }
    const QString path = folder + "/zentu.pallomir";
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        ASSERT_EQ(old.write(kOldFile), kOldFile.size());
    }
    disk.Fill();

    EXPECT_EQ(SaveFailure(DesignState(), path), "Disk full");

    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), kOldFile);
    EXPECT_EQ(FolderEntries(folder), (QStringList{"filler", "zentu.pallomir"}));
}

TEST(FileErrorText, FollowsTheSystemErrorNumber) {
    const struct {
        int errnoValue;
        int code;
        const char* text;
    } cases[] = {
        {ENOENT, 2, "File not found"},      {ENAMETOOLONG, 3, "Invalid filename"},
        {ENOTDIR, 3, "Invalid filename"},   {EMFILE, 4, "Too many open files"},
        {ENFILE, 4, "Too many open files"}, {EACCES, 5, "File access denied"},
        {EPERM, 5, "File access denied"},   {EROFS, 5, "File access denied"},
        {EISDIR, 5, "File access denied"},  {ENOSPC, 101, "Disk full"},
        {EDQUOT, 101, "Disk full"},         {EIO, 5, "I/O error 5"},
        {EFBIG, 27, "I/O error 27"},        {EINVAL, 22, "I/O error 22"},
    };
    for (const auto& c : cases) {
        const FileError error = FileError::FromErrno(c.errnoValue);
        EXPECT_EQ(error.Code(), c.code) << c.text;
        EXPECT_STREQ(error.what(), c.text);
    }
    EXPECT_STREQ(FileError(100).what(), "Read beyond end of file");
    EXPECT_STREQ(FileError(106).what(), "Invalid numeric input");
    EXPECT_STREQ(FileError(7).what(), "I/O error 7");
}

}  // namespace
}  // namespace transcalc::testing
