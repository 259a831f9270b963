#include "WindingsPanel.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

#include "NumberFormat.h"
#include "Phrases.h"
#include "WindingColumns.h"
#include "WindingText.h"
#include "WindowLanguage.h"

namespace transcalc {

namespace {

const QString kDash = QStringLiteral("—");

QString Number(double value, transcalc::NumberFormat format, const std::string& separator) {
    return QString::fromStdString(transcalc::FormatValue(value, format, separator));
}

QString Optional(const std::optional<double>& value, const std::function<QString(double)>& text) {
    return value ? text(*value) : kDash;
}

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// The bar's look in both states, so that only the colour changes; its
// black text stays legible on either.
QString FillStyle(bool fits) {
    return QStringLiteral(
               "QProgressBar { border: 1px solid #999999; border-radius: 2px; "
               "background: white; color: black; text-align: center; }"
               "QProgressBar::chunk { background-color: %1; }")
        .arg(fits ? QStringLiteral("#7fb0e6") : QStringLiteral("#e53935"));
}

}  // namespace

WindingsPanel::WindingsPanel(QWidget* parent) : QGroupBox(tr("Обмотки"), parent) {
    setObjectName(QStringLiteral("checkWindings"));
    auto* layout = new QVBoxLayout(this);
    reason_ = NamedLabel(this, QStringLiteral("windingsReason"));
    reason_->setWordWrap(true);
    layout->addWidget(reason_);

    details_ = new QWidget(this);
    details_->setObjectName(QStringLiteral("windingsDetails"));
    auto* columns = new QHBoxLayout(details_);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* rows = new QWidget(details_);
    rows->setObjectName(QStringLiteral("windingsRows"));
    grid_ = new QGridLayout(rows);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(14);
    grid_->setVerticalSpacing(2);
    // What each column means; the captions are the core's table's.
    const std::array<QString, kColumns> meanings = {
        tr("P — первичная, S — вторичная, R — размагничивающая, L — дроссель"),
        QString(),
        tr("Диаметр провода по меди × число жил"),
        tr("Каждая секция начинается с нового слоя"),
        tr("Средняя длина витка секции"),
        tr("Сопротивление постоянному току при температуре сердечника"),
        tr("Во сколько раз скин-эффект и эффект близости (по Доуэллу) "
           "увеличивают потери против постоянного тока"),
        tr("Потери в меди секции (оценка)"),
    };
    for (int column = 0; column < kColumns; ++column) {
        const std::string caption = transcalc::ColumnCaption(transcalc::kWindingColumns[column],
                                                             transcalc::WindowLanguage());
        QLabel* head = NamedLabel(rows, QStringLiteral("windingsHead%1").arg(column),
                                  QString::fromStdString(caption));
        head->setToolTip(meanings[column]);
        head->setStyleSheet(QStringLiteral("color: #555555"));
        grid_->addWidget(head, 0, column, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    columns->addWidget(rows, 0, Qt::AlignTop);
    columns->addSpacing(24);

    auto* side = new QVBoxLayout;
    auto* fillRow = new QHBoxLayout;
    fillRow->addWidget(
        NamedLabel(details_, QStringLiteral("windingsFillCaption"), tr("Заполнение окна:")));
    fill_ = new QProgressBar(details_);
    fill_->setObjectName(QStringLiteral("windingsFill"));
    fill_->setRange(0, 1000);
    fill_->setFixedWidth(110);
    fillRow->addWidget(fill_);
    fillNote_ = NamedLabel(details_, QStringLiteral("windingsFillNote"),
                           tr("без учета каркаса и изоляции"));
    fillNote_->setStyleSheet(QStringLiteral("color: #555555"));
    fillRow->addWidget(fillNote_);
    fillRow->addStretch(1);
    side->addLayout(fillRow);

    auto* totals = new QFormLayout;
    totals->setLabelAlignment(Qt::AlignRight);
    const auto addTotal = [&](const QString& name, const QString& caption) {
        QLabel* value = NamedLabel(details_, name);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        QLabel* label = NamedLabel(details_, name + QStringLiteral("Caption"), caption);
        totals->addRow(label, value);
        return std::pair{label, value};
    };
    copperFill_ =
        addTotal(QStringLiteral("windingsCopperFill"), tr("Заполнение окна медью:")).second;
    copper_ = addTotal(QStringLiteral("windingsCopper"), tr("Потери в меди (оценка):")).second;
    total_ = addTotal(QStringLiteral("windingsTotal"), tr("Сердечник + медь:")).second;
    rise_ = addTotal(QStringLiteral("windingsRise"), tr("Перегрев сердечника и обмоток:")).second;
    std::tie(efficiencyCaption_, efficiency_) =
        addTotal(QStringLiteral("windingsEfficiency"), tr("КПД:"));
    side->addLayout(totals);
    side->addStretch(1);
    columns->addLayout(side, 1);
    layout->addWidget(details_);
    ShowReason(QString());
}

void WindingsPanel::SetRows(int count) {
    while (Rows() > count) {
        for (QLabel* label : rows_.back()) {
            delete label;
        }
        rows_.pop_back();
    }
    QWidget* parent = grid_->parentWidget();
    while (Rows() < count) {
        const int row = Rows();
        std::array<QLabel*, kColumns> labels{};
        for (int column = 0; column < kColumns; ++column) {
            labels[column] =
                NamedLabel(parent, QStringLiteral("windingsCell%1_%2").arg(row).arg(column));
            grid_->addWidget(labels[column], row + 1, column,
                             column == 0 ? Qt::AlignLeft : Qt::AlignRight);
        }
        rows_.push_back(labels);
    }
}

void WindingsPanel::ShowReason(const QString& why) {
    reason_->setText(why);
    reason_->setVisible(true);
    details_->setVisible(false);
}

void WindingsPanel::ShowWindings(const transcalc::WindingCheck& w, const std::string& separator) {
    if (w.nothingToCheck) {
        const std::string_view why =
            transcalc::TranslatedText(*w.nothingToCheck, transcalc::WindowLanguage());
        ShowReason(QString::fromUtf8(why.data(), static_cast<qsizetype>(why.size())));
        return;
    }
    reason_->setVisible(false);
    details_->setVisible(true);
    SetRows(static_cast<int>(w.sections.size()));
    for (int row = 0; row < Rows(); ++row) {
        const transcalc::WindingSection& s = w.sections[row];
        const std::vector<std::string> cells = transcalc::WindingRow(s, separator);
        for (int column = 0; column < kColumns; ++column) {
            rows_[row][column]->setText(QString::fromStdString(cells[column]));
        }
        // The narrow column names the wire as the catalogue does: 0,25 or 0,63 × 3.
        QString wire = Number(s.conductorDiameter * 1e3, transcalc::kAsTyped, separator);
        if (s.strands > 1) {
            wire += QStringLiteral(" × %1").arg(s.strands);
        }
        rows_[row][static_cast<int>(transcalc::WindingColumn::Wire)]->setText(wire);
    }

    const double percent = w.fill * 100;
    fill_->setValue(static_cast<int>(std::lround(std::clamp(w.fill, 0.0, 1.0) * 1000)));
    fill_->setFormat(Number(percent, transcalc::Decimals(0), separator) + QStringLiteral(" %"));
    if (const QString style = FillStyle(w.fits); fill_->styleSheet() != style) {
        fill_->setStyleSheet(style);  // a new style sheet polishes the bar anew: only on a change
    }
    fill_->setToolTip(w.fits ? QString() : tr("Обмотка не помещается в окно сердечника"));
    // A family core's bobbin window already leaves out the bobbin's walls.
    fillNote_->setText(w.onBobbin ? tr("в окне каркаса, без учета изоляции")
                                  : tr("без учета каркаса и изоляции"));

    copperFill_->setText(Number(w.copperFill * 100, transcalc::Decimals(1), separator) +
                         QStringLiteral(" %"));

    const auto watts = [&](double v) {
        return Number(v, transcalc::SignificantDigits(3), separator) + tr(" Вт");
    };
    copper_->setText(Optional(w.copperLoss, watts));
    total_->setText(Optional(w.totalLoss, watts));
    rise_->setText(Optional(w.temperatureRise, [&](double v) {
        return Number(v, transcalc::Decimals(1), separator) + tr(" К");
    }));
    efficiency_->setText(Optional(w.efficiency, [&](double v) {
        return Number(v * 100, transcalc::Decimals(1), separator) + QStringLiteral(" %");
    }));
    // The choke gives no power to a load.
    efficiencyCaption_->setVisible(w.outputPower.has_value());
    efficiency_->setVisible(w.outputPower.has_value());
}

std::array<QString, WindingsPanel::kColumns> WindingsPanel::RowTexts(int row) const {
    std::array<QString, kColumns> texts;
    for (int column = 0; column < kColumns; ++column) {
        texts[column] = rows_.at(row)[column]->text();
    }
    return texts;
}

}  // namespace transcalc
