// The settings file that keeps the language. Whatever stands in its place,
// the window opens at once in the language it can read and says once why it
// could not; a choice that cannot be kept holds for the run, told once.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "LanguageSetting.h"
#include "WindowFixture.h"
#include "WindowLanguage.h"

namespace {

using transcalc::Language;

const QByteArray kEnglish = "[General]\nlanguage=en\n";

// What the settings file is made of, under a configuration folder.
struct SettingCase {
    const char* name;
    bool needsRoot;
    // Lays out the case in folder; returns the configuration folder.
    QString (*make)(const QString& folder);
    Language started;
    const char* notRead;  // the reason told at the start; none when read
    const char* notKept;  // the reason told at the first choice; none when kept
};

QString SettingsIn(const QString& folder) {
    EXPECT_TRUE(QDir().mkpath(folder + "/transcalc"));
    return folder + "/transcalc/transcalc.conf";
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString Nothing(const QString& folder) {
    return folder;
}

QString EarlierVersionsFile(const QString& folder) {
    Write(SettingsIn(folder), kEnglish);
    return folder;
}

QString LinkToARegularFile(const QString& folder) {
    Write(folder + "/kept.conf", "[General]\nlanguage=ru\n");
    EXPECT_TRUE(QFile::link(folder + "/kept.conf", SettingsIn(folder)));
    return folder;
}

QString Fifo(const QString& folder) {
    EXPECT_EQ(mkfifo(QFile::encodeName(SettingsIn(folder)).constData(), 0644), 0);
    return folder;
}

QString LinkToAFifo(const QString& folder) {
    EXPECT_EQ(mkfifo(QFile::encodeName(folder + "/fifo").constData(), 0644), 0);
    EXPECT_TRUE(QFile::link(folder + "/fifo", SettingsIn(folder)));
    return folder;
}

QString Folder(const QString& folder) {
    EXPECT_TRUE(QDir().mkpath(SettingsIn(folder)));
    return folder;
}

QString ExactlyTheBound(const QString& folder) {
    Write(SettingsIn(folder), kEnglish + QByteArray(64 * 1024 - kEnglish.size(), '\n'));
    return folder;
}

QString OneByteOverTheBound(const QString& folder) {
    Write(SettingsIn(folder), kEnglish + QByteArray(64 * 1024 + 1 - kEnglish.size(), '\n'));
    return folder;
}

QString SparseTwoGibibytes(const QString& folder) {
    QFile file(SettingsIn(folder));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(ftruncate(file.handle(), off_t{2} << 30), 0);
    return folder;
}

// A device node of /dev/null's numbers, made in the test's own folder.
QString DeviceTwin(const QString& folder) {
    EXPECT_EQ(
        mknod(QFile::encodeName(SettingsIn(folder)).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    return folder;
}

QString LinkToADeviceTwin(const QString& folder) {
    EXPECT_EQ(mknod(QFile::encodeName(folder + "/null").constData(), S_IFCHR | 0600, makedev(1, 3)),
              0);
    EXPECT_TRUE(QFile::link(folder + "/null", SettingsIn(folder)));
    return folder;
}

// Root writes in any folder: its folder is then under a regular file.
QString UnwritableFolder(const QString& folder) {
    if (geteuid() == 0) {
        Write(folder + "/file", {});
        return folder + "/file";
    }
    EXPECT_TRUE(QDir().mkdir(folder + "/locked"));
    EXPECT_EQ(chmod(QFile::encodeName(folder + "/locked").constData(), 0555), 0);
    return folder + "/locked";
}

const char* const kUnwritable = geteuid() == 0 ? "Not a directory" : "Permission denied";

const SettingCase kCases[] = {
    {"NoFile", false, Nothing, Language::Russian, nullptr, nullptr},
    {"EarlierVersionsFile", false, EarlierVersionsFile, Language::English, nullptr, nullptr},
    {"LinkToARegularFile", false, LinkToARegularFile, Language::Russian, nullptr, nullptr},
    {"Fifo", false, Fifo, Language::Russian, "not a regular file", "not a regular file"},
    {"LinkToAFifo", false, LinkToAFifo, Language::Russian, "not a regular file",
     "not a regular file"},
    {"Folder", false, Folder, Language::Russian, "Is a directory", "Is a directory"},
    {"ExactlyTheBound", false, ExactlyTheBound, Language::English, nullptr, nullptr},
    {"OneByteOverTheBound", false, OneByteOverTheBound, Language::Russian, "больше 64 КиБ",
     nullptr},
    {"SparseTwoGibibytes", false, SparseTwoGibibytes, Language::Russian, "больше 64 КиБ", nullptr},
    {"DeviceTwin", true, DeviceTwin, Language::Russian, "not a regular file", "not a regular file"},
    {"LinkToADeviceTwin", true, LinkToADeviceTwin, Language::Russian, "not a regular file",
     "not a regular file"},
    {"UnwritableFolder", false, UnwritableFolder, Language::Russian, nullptr, kUnwritable},
};

class LanguageSettingTest : public testing::TestWithParam<SettingCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        configHome_ = qgetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        transcalc::ApplyWindowLanguage(Language::Russian);
        qputenv("XDG_CONFIG_HOME", configHome_);
        chmod(QFile::encodeName(folder_.path() + "/locked").constData(), 0755);
    }

    QString Folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QByteArray configHome_;
};

// What stands at a name, without following a link.
struct Entry {
    mode_t mode = 0;
    ino_t inode = 0;
    bool operator==(const Entry&) const = default;
};

Entry EntryAt(const QString& path) {
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    return {status.st_mode, status.st_ino};
}

QByteArray BytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_P(LanguageSettingTest, TheWindowOpensAtOnceAndTellsOnce) {
    const SettingCase& setting = GetParam();
    if (setting.needsRoot && geteuid() != 0) {
        GTEST_SKIP() << "only root makes a device node";
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(setting.make(Folder())));
    const QString path = transcalc::LanguageSettingPath();
    const Entry before = EntryAt(path);

    QElapsedTimer opening;
    opening.start();
    const Language started = transcalc::StartLanguage();
    transcalc::ApplyWindowLanguage(started);
    TForm1 form;
    QStringList errors;
    form.setErrorReporter([&errors](const QString& text) { errors << text; });
    form.ReportLanguageSettingProblem();
    form.ReportLanguageSettingProblem();
    EXPECT_LT(opening.elapsed(), 2000);
    EXPECT_EQ(started, setting.started);
    QStringList told;
    if (setting.notRead != nullptr) {
        told << QStringLiteral(
                    "Файл настроек %1 не прочитан: %2. Окно открыто на языке по умолчанию.")
                    .arg(path, QString::fromUtf8(setting.notRead));
    }
    EXPECT_EQ(errors, told);

    for (const Language chosen : {Language::English, Language::Russian, Language::English}) {
        form.ChooseLanguage(chosen);
    }
    EXPECT_EQ(transcalc::WindowLanguage(), Language::English);
    if (setting.notKept != nullptr) {
        told << QStringLiteral(
                    "The language choice was not saved in %1: %2. It holds until the "
                    "program closes.")
                    .arg(path, QString::fromUtf8(setting.notKept));
        EXPECT_EQ(EntryAt(path), before);
    } else {
        EXPECT_EQ(BytesOf(path), kEnglish);
        EXPECT_EQ(transcalc::StartLanguage(), Language::English);
    }
    EXPECT_EQ(errors, told);
}

INSTANTIATE_TEST_SUITE_P(Settings, LanguageSettingTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A link keeps pointing where it did; the file it points to takes the choice.
TEST_F(LanguageSettingTest, ALinkStaysALink) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(LinkToARegularFile(Folder())));
    EXPECT_TRUE(transcalc::StoreLanguage(Language::English).isEmpty());
    EXPECT_EQ(QFile::symLinkTarget(transcalc::LanguageSettingPath()), Folder() + "/kept.conf");
    EXPECT_EQ(BytesOf(Folder() + "/kept.conf"), kEnglish);
}

}  // namespace
