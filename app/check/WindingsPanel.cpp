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

#include "Phrases.h"
#include "WindowLanguage.h"

namespace transcalc {

namespace {

const QString kDash = QStringLiteral("—");

// Numbers as the check's lines write them, whatever the locale: fixed
// decimals with the design's separator.
QString Fixed(double value, int decimals, const std::string& separator) {
    QString text = QString::number(value, 'f', decimals);
    return text.replace(QLatin1Char('.'), QString::fromStdString(separator));
}

// Three significant digits, for values that span decades.
QString Significant(double value, const std::string& separator) {
    if (value == 0 || !std::isfinite(value)) {
        return Fixed(value, 0, separator);
    }
    const int decimals =
        std::clamp(2 - static_cast<int>(std::floor(std::log10(std::abs(value)))), 0, 9);
    return Fixed(value, decimals, separator);
}

// A wire's diameter in mm as the catalogue names it: 0,25, 0,315, 1.
QString Diameter(double metres, const std::string& separator) {
    QString text = QString::number(metres * 1e3, 'f', 3);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text.replace(QLatin1Char('.'), QString::fromStdString(separator));
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
    const std::array<std::pair<QString, QString>, kColumns> heads = {{
        {tr("Секция"), tr("P — первичная, S — вторичная, R — размагничивающая, L — дроссель")},
        {tr("Витков"), QString()},
        {tr("Провод, мм"), tr("Диаметр провода по меди × число жил")},
        {tr("Слоев"), tr("Каждая секция начинается с нового слоя")},
        {tr("Ср. виток, мм"), tr("Средняя длина витка секции")},
        {tr("R пост., Ом"), tr("Сопротивление постоянному току при температуре сердечника")},
        {tr("Kac"), tr("Во сколько раз скин-эффект и эффект близости (по Доуэллу) "
                       "увеличивают потери против постоянного тока")},
        {tr("Потери, Вт"), tr("Потери в меди секции (оценка)")},
    }};
    for (int column = 0; column < kColumns; ++column) {
        QLabel* head =
            NamedLabel(rows, QStringLiteral("windingsHead%1").arg(column), heads[column].first);
        head->setToolTip(heads[column].second);
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
    QLabel* note = NamedLabel(details_, QStringLiteral("windingsFillNote"),
                              tr("без учета каркаса и изоляции"));
    note->setStyleSheet(QStringLiteral("color: #555555"));
    fillRow->addWidget(note);
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
    const auto significant = [&](double v) { return Significant(v, separator); };
    for (int row = 0; row < Rows(); ++row) {
        const transcalc::WindingSection& s = w.sections[row];
        QString wire = Diameter(s.conductorDiameter, separator);
        if (s.strands > 1) {
            wire += QStringLiteral(" × %1").arg(s.strands);
        }
        const std::array<QString, kColumns> texts = {
            QString::fromStdString(s.name),
            Fixed(s.turns, 0, separator),
            wire,
            s.layers ? QString::number(*s.layers) : kDash,
            Optional(s.meanTurnLength, [&](double v) { return Fixed(v * 1e3, 1, separator); }),
            Optional(s.dcResistance, significant),
            Optional(s.acFactor, [&](double v) { return Fixed(v, 2, separator); }),
            Optional(s.loss, significant),
        };
        for (int column = 0; column < kColumns; ++column) {
            rows_[row][column]->setText(texts[column]);
        }
    }

    const double percent = w.fill * 100;
    fill_->setValue(static_cast<int>(std::lround(std::clamp(w.fill, 0.0, 1.0) * 1000)));
    fill_->setFormat(Fixed(percent, 0, separator) + QStringLiteral(" %"));
    if (const QString style = FillStyle(w.fits); fill_->styleSheet() != style) {
        fill_->setStyleSheet(style);  // a new style sheet polishes the bar anew: only on a change
    }
    fill_->setToolTip(w.fits ? QString() : tr("Обмотка не помещается в окно сердечника"));

    copperFill_->setText(Fixed(w.copperFill * 100, 1, separator) + QStringLiteral(" %"));

    const auto watts = [&](double v) { return Significant(v, separator) + tr(" Вт"); };
    copper_->setText(Optional(w.copperLoss, watts));
    total_->setText(Optional(w.totalLoss, watts));
    rise_->setText(
        Optional(w.temperatureRise, [&](double v) { return Fixed(v, 1, separator) + tr(" К"); }));
    efficiency_->setText(Optional(w.efficiency, [&](double v) {
        return Fixed(v * 100, 1, separator) + QStringLiteral(" %");
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
