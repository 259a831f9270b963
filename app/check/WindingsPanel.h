#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "WindingCheck.h"
#include "WindingColumns.h"

class QGridLayout;
class QLabel;
class QProgressBar;

namespace transcalc {

// The "Обмотки" section of the check dialog: one row per section of the
// winding, the fill of the core's window as a bar that turns red when the
// winding does not fit, the copper's share of the window and the whole
// part's totals; or why the windings are not checked.
class WindingsPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit WindingsPanel(QWidget* parent = nullptr);

    void ShowWindings(const transcalc::WindingCheck& windings, const std::string& separator);
    // The windings are not checked: why, in place of every number.
    void ShowReason(const QString& why);

    static constexpr int kColumns = static_cast<int>(transcalc::kWindingColumnCount);
    // The texts of a section's row, as shown.
    std::array<QString, kColumns> RowTexts(int row) const;
    int Rows() const { return static_cast<int>(rows_.size()); }

private:
    void SetRows(int count);

    QLabel* reason_ = nullptr;
    QWidget* details_ = nullptr;  // the rows, the fill and the totals
    QGridLayout* grid_ = nullptr;
    std::vector<std::array<QLabel*, kColumns>> rows_;
    QProgressBar* fill_ = nullptr;
    QLabel* fillNote_ = nullptr;    // whether the window is a bobbin's
    QLabel* copperFill_ = nullptr;  // the copper's share of the window's area
    QLabel* copper_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* rise_ = nullptr;
    QLabel* efficiency_ = nullptr;
    QLabel* efficiencyCaption_ = nullptr;
};

}  // namespace transcalc
