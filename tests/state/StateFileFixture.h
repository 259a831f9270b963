#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "WindowState.h"

namespace transcalc::testing {

// The 53 lines of a state file as windows-1251 bytes, without line ends.
using Lines = std::vector<std::string>;

// The lines the window saves in its design state.
Lines DesignLines();

// The lines after reading an empty file: texts, captions and mode empty,
// pictures hidden, every other flag as designed.
Lines EmptyFileLines();

// A copy of lines with the numbered lines (counted from 1) replaced.
Lines With(Lines lines, std::initializer_list<std::pair<int, std::string>> changes);

// The numbers of the lines that hold a visibility flag.
std::vector<int> FlagLineNumbers();

// The file content of lines, each ended by CR LF.
QByteArray FileOf(const Lines& lines);

// The state that reading the bytes gives, from a state with every text empty
// and every control hidden.
WindowState StateOf(const QByteArray& bytes);
WindowState StateOf(const Lines& lines);

// The window in its design state: every line of DesignLines read.
WindowState DesignState();

// "saved", or the text of the FileError that saving the state gave.
std::string SaveFailure(const WindowState& state, const QString& path);

// The lines of a file's bytes, each checked to end in CR LF.
Lines LinesOfBytes(const QByteArray& bytes);

// The lines the writer makes of a state.
Lines LinesOf(const WindowState& state);

class StateFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("zentu.pallomir")) const;
    void Store(const QByteArray& bytes) const;
    QByteArray Stored() const;
    QStringList FolderEntries(const QString& folder = {}) const;

    // The lines that a state is saved as, through the writer, in a file of its own.
    Lines SavedLines(const WindowState& state) const;

    QTemporaryDir dir_;
};

}  // namespace transcalc::testing
