#include "StateFileFixture.h"

#include <QDir>
#include <QFile>

#include "StateFile.h"

namespace transcalc::testing {

Lines DesignLines() {
    return {
        "",  "",  "",  "",  "0", "",  "",  "",  "",  "",  "",  "",   // 1-12 field texts
        "0", "0", "0",                                               // 13-15 pictures
        "0", "0", "0", "0",                                          // 16-19 Label1-4
        "",  "l", "l", "l",                                          // 20-23 their captions
        "",                                                          // 24 mode
        "0", "0", "0", "0", "1", "0", "0", "0", "1", "1", "0", "0",  // 25-36 Edit1-12
        "1", "0", "0", "0", "1", "1", "1", "0", "1", "1",            // 37-46 Label5-14
        "l", "l", "l", "",  "",  "",                                 // 47-52 captions
        "0",                                                         // 53 results panel
    };
}

Lines EmptyFileLines() {
    Lines lines = DesignLines();
    for (int number :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20, 21, 22, 23, 24, 47, 48, 49, 50, 51, 52}) {
        lines[number - 1].clear();
    }
    return lines;
}

Lines With(Lines lines, std::initializer_list<std::pair<int, std::string>> changes) {
    for (const auto& [number, text] : changes) {
        lines.at(number - 1) = text;
    }
    return lines;
}

std::vector<int> FlagLineNumbers() {
    std::vector<int> numbers;
    for (int number = 13; number <= 19; ++number) {
        numbers.push_back(number);
    }
    for (int number = 25; number <= 46; ++number) {
        numbers.push_back(number);
    }
    numbers.push_back(53);
    return numbers;
}

QByteArray FileOf(const Lines& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += QByteArray::fromStdString(line) + "\r\n";
    }
    return bytes;
}

QString StateFileTest::Path(const QString& name) const {
    return dir_.filePath(name);
}

void StateFileTest::Store(const QByteArray& bytes) const {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray StateFileTest::Stored() const {
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList StateFileTest::FolderEntries(const QString& folder) const {
    return QDir(folder.isEmpty() ? dir_.path() : folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

std::string SaveFailure(const WindowState& state, const QString& path) {
    try {
        WriteStateFile(state, path);
    } catch (const FileError& error) {
        return error.what();
    }
    return "saved";
}

WindowState StateOf(const QByteArray& bytes) {
    WindowState state;
    StateFileParser parser(state);
    parser.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    parser.Finish();
    return state;
}

WindowState StateOf(const Lines& lines) {
    return StateOf(FileOf(lines));
}

WindowState DesignState() {
    return StateOf(DesignLines());
}

Lines LinesOf(const WindowState& state) {
    return LinesOfBytes(StateFileBytes(state));
}

Lines StateFileTest::SavedLines(const WindowState& state) const {
    const QString path = Path(QStringLiteral("saved-lines"));
    WriteStateFile(state, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "the saved file cannot be opened";
        return {};
    }
    const QByteArray bytes = file.readAll();
    file.remove();
    return LinesOfBytes(bytes);
}

Lines LinesOfBytes(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> parts = bytes.split('\n');
    parts.removeLast();  // after the last line end
    Lines lines;
    for (const QByteArray& part : parts) {
        EXPECT_TRUE(part.endsWith('\r')) << "a line without CR LF";
        lines.push_back(part.chopped(part.endsWith('\r') ? 1 : 0).toStdString());
    }
    return lines;
}

}  // namespace transcalc::testing
