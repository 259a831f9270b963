#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Extended.h"
#include "Language.h"
#include "NumberText.h"
#include "Phrases.h"

namespace transcalc {

// The one font colour of the whole results list.
enum class ListColour {
    Default,  // as the window was built, before any Calculate
    Desktop,  // a mode was chosen: the list reads as normal results
    Red,      // the mode or some data are missing
};

// The results list as the designs see it. The window mirrors every call into
// its list widget at once, so that the lines appended before a fault stay.
class ResultsList {
public:
    virtual ~ResultsList() = default;
    virtual void Clear() = 0;  // removes every line; the colour stays
    virtual void Append(std::string_view line) = 0;
    virtual void SetColour(ListColour colour) = 0;
};

// A results list held in memory, for the command line and the tests.
class RecordedList final : public ResultsList {
public:
    void Clear() override { lines.clear(); }
    void Append(std::string_view line) override { lines.emplace_back(line); }
    void SetColour(ListColour newColour) override { colour = newColour; }

    std::vector<std::string> lines;
    ListColour colour = ListColour::Default;
};

// Writes result lines, each a label, a number text and a unit text with
// nothing between them, the phrases in the writer's language.
class ResultWriter {
public:
    ResultWriter(ResultsList& list, DecimalSeparator separator,
                 Language language = Language::Russian)
        : list_(list), separator_(separator), language_(language) {}

    // A text that is no phrase of the table: a mode as typed, a blank line.
    void Text(std::string_view line) { list_.Append(line); }
    void Number(std::string_view label, Extended value, std::string_view unit = {});
    void Text(Phrase phrase) { list_.Append(Say(phrase)); }
    void Number(Phrase label, Extended value) { Number(Say(label), value, {}); }
    void Number(Phrase label, Extended value, Phrase unit) { Number(Say(label), value, Say(unit)); }
    void SetColour(ListColour colour) { list_.SetColour(colour); }

    Language language() const { return language_; }
    std::string_view Say(Phrase phrase) const { return PhraseText(phrase, language_); }

private:
    ResultsList& list_;
    DecimalSeparator separator_;
    Language language_;
};

}  // namespace transcalc
