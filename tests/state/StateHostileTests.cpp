// The state file where something other than a plain file stands, or a file
// far larger than any the window writes: reading never blocks or grows
// without bound, and saving never replaces anything but a regular file.

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "StateFile.h"
#include "StateFileFixture.h"

namespace transcalc::testing {
namespace {

std::string ReadFailure(WindowState& state, const QString& path) {
    try {
        ReadStateFile(state, path);
    } catch (const FileError& error) {
        return error.what();
    }
    return "read";
}

class StateHostile : public StateFileTest {
protected:
    void MakeFifo(const QString& path) const {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    }
    void Link(const QString& target, const QString& link) const {
        ASSERT_EQ(
            symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
    }
};

TEST_F(StateHostile, WhatIsNoRegularFileIsDeniedAtOnceAndChangesNothing) {
    MakeFifo(Path(QStringLiteral("fifo")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    struct Case {
        const char* name;
        QString target;
    };
    const Case cases[] = {
        {"FIFO without a writer", Path(QStringLiteral("fifo"))},
        {"endless device", QStringLiteral("/dev/zero")},
        {"folder", Path(QStringLiteral("folder"))},
    };
    for (const Case& c : cases) {
        QFile::remove(Path());
        Link(c.target, Path());
        WindowState state = DesignState();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ReadFailure(state, Path()), "File access denied") << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500))
            << c.name;
        EXPECT_EQ(state, DesignState()) << c.name;
    }
}

TEST_F(StateHostile, AnOverlongLineKeepsWhatAFieldHoldsAndTheLinesAfterIt) {
    const std::string longLine = std::string(40000, 'x');
    Store(FileOf(With(EmptyFileLines(), {{1, longLine}, {2, "7"}})));
    WindowState state = DesignState();
    ASSERT_TRUE(ReadStateFile(state, Path()));
    EXPECT_EQ(state.fieldTexts[0], QString(32767, QChar('x')));
    EXPECT_EQ(state.fieldTexts[1], QStringLiteral("7"));
}

TEST_F(StateHostile, ReadingStopsAfterTwoMebibytes) {
    // 3 MB in one line, then a second line that is never reached.
    Store(QByteArray(3'000'000, 'y') + "\r\n7\r\n");
    WindowState state = DesignState();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ReadStateFile(state, Path()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(state.fieldTexts[0].size(), 32767);
    EXPECT_EQ(state.fieldTexts[1], QString());
}

TEST_F(StateHostile, SavingThroughALinkReplacesItsFileAndKeepsTheLink) {
    const QString target = Path(QStringLiteral("kept-state"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old\r\n");
    }
    Link(QStringLiteral("kept-state"), Path());
    EXPECT_EQ(SaveFailure(DesignState(), Path()), "saved");
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), StateFileBytes(DesignState()));
}

TEST_F(StateHostile, SavingOntoWhatIsNoRegularFileIsDeniedAndLeavesIt) {
    const QString fifo = Path(QStringLiteral("fifo"));
    MakeFifo(fifo);
    Link(fifo, Path());
    EXPECT_EQ(SaveFailure(DesignState(), Path()), "File access denied");
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    QFile::remove(Path());
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("zentu.pallomir")));
    EXPECT_EQ(SaveFailure(DesignState(), Path()), "File access denied");
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}

// Runs as user nobody in a child: a folder it cannot write, a file it can.
[[noreturn]] void SaveInReadOnlyFolder(const QString& path) {
    if (setgid(65534) != 0 || setuid(65534) != 0) {
        std::_Exit(2);
    }
    const std::string outcome = SaveFailure(DesignState(), path);
    QFile file(path);
    const bool whole =
        file.open(QIODevice::ReadOnly) && file.readAll() == StateFileBytes(DesignState());
    std::fprintf(stderr, "%s%s\n", outcome.c_str(), whole ? "" : ", file not whole");
    std::_Exit(0);
}

TEST_F(StateHostile, AWritableFileInAReadOnlyFolderIsRewrittenInPlace) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to switch to user nobody";
    }
    Store("old state\r\n");
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Path()).constData(), 0666), 0);
    EXPECT_EXIT(SaveInReadOnlyFolder(Path()), ::testing::ExitedWithCode(0), "^saved\n$");
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("zentu.pallomir")});
}

}  // namespace
}  // namespace transcalc::testing
