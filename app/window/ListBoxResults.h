#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include "ResultsList.h"

class QListWidget;

namespace transcalc {

// The results list of the numeric core shown in the window's list widget:
// every line and colour change reaches the widget at once.
class ListBoxResults final : public transcalc::ResultsList {
public:
    // Linux desktops expose no desktop background colour to programs, so a
    // dark teal stands in: it reads well on the cream list and differs
    // clearly from the red of a failed design.
    static constexpr QColor kDesktopColour{0x00, 0x70, 0x70};
    static constexpr QColor kRedColour{0xFF, 0x00, 0x00};
    static constexpr int kLineHeight = 15;

    explicit ListBoxResults(QListWidget& list);

    void Clear() override;
    void Append(std::string_view line) override;
    void SetColour(transcalc::ListColour colour) override;

    // The selected lines, or every line when none is selected, in list order,
    // each ended by a line break: what "Копировать" puts on the clipboard.
    QString CopiedText() const;
    // Every line, in list order.
    QStringList Lines() const;
    transcalc::ListColour Colour() const { return colour_; }

private:
    QListWidget& list_;
    QColor designedColour_;
    transcalc::ListColour colour_ = transcalc::ListColour::Default;
};

}  // namespace transcalc
