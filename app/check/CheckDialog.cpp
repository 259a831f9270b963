#include "CheckDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "CaptionText.h"
#include "CheckPlot.h"
#include "CheckText.h"
#include "ErrorBox.h"
#include "NumberFormat.h"
#include "WindingsPanel.h"
#include "WindowLanguage.h"

namespace transcalc {

namespace {

// A form row whose caption is named after its field.
void AddRow(QFormLayout* form, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, form->parentWidget());
    label->setObjectName(field->objectName() + QStringLiteral("Caption"));
    label->setBuddy(field);
    form->addRow(label, field);
}

const QString kAlarmColour = QStringLiteral("#c00000");

// A new design's rectifiers: silicon diodes.
constexpr double kNewDrop = 0.7;  // V

QLocale BoxLocale(const std::string& separator) {
    QLocale locale = separator == "," ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// A number box that keeps a value as typed or given. QDoubleSpinBox rounds
// every value to its decimals: an allowed 0,001 A/mm² in a box of two
// became 0 and was refused, and a design file's 0,125 A of ripple was
// checked as another current than it holds. This one takes as many decimals
// as a double has digits, so its rounding keeps every value, and shows each
// in the fewest digits that read back as it.
class ExactNumberBox : public QDoubleSpinBox {
public:
    explicit ExactNumberBox(QWidget* parent) : QDoubleSpinBox(parent) {
        setDecimals(std::numeric_limits<double>::max_exponent10 +
                    std::numeric_limits<double>::digits10);
    }

protected:
    QString textFromValue(double value) const override {
        return locale().toString(value, 'f', QLocale::FloatingPointShortest);
    }
};

QDoubleSpinBox* NumberBox(QWidget* parent, const QString& name, double maximum,
                          const QString& suffix, const QString& unset, const QLocale& locale) {
    auto* box = new ExactNumberBox(parent);
    box->setObjectName(name);
    box->setLocale(locale);
    box->setRange(0, maximum);
    box->setSuffix(suffix);
    box->setSpecialValueText(unset);  // 0 stands for "not given"
    box->setKeyboardTracking(false);
    return box;
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// A description of the design being checked, for the dialog's head.
QString DesignHead(const transcalc::CheckedDesign& d, const std::string& separator) {
    if (d.nothingToCheck) {
        return CheckDialog::tr("Проверка расчета");
    }
    const bool choke = d.mode == transcalc::WorkMode::Choke;
    return CheckDialog::tr("%1: %2 %3, dB = %4 Тл")
        .arg(
            transcalc::ShownCaption(
                QString::fromUtf8(transcalc::ModeText(d.mode).data(),
                                  static_cast<int>(transcalc::ModeText(d.mode).size()))),
            choke ? CheckDialog::tr("витков дросселя") : CheckDialog::tr("витков первички"),
            QString::fromStdString(transcalc::FormatValue(d.turns, transcalc::kAsTyped, separator)),
            QString::fromStdString(
                transcalc::FormatValue(d.satInduction, transcalc::kAsTyped, separator)));
}

}  // namespace

CheckDialog::CheckDialog(transcalc::CheckedDesign design,
                         std::vector<transcalc::Material> materials, const QString& preselected,
                         const QString& decimalSeparator, QWidget* parent)
    : QDialog(parent),
      design_(std::move(design)),
      materials_(std::move(materials)),
      separator_(decimalSeparator.toStdString()) {
    Build(preselected);
}

CheckDialog::CheckDialog(WindingSubject windings, std::vector<transcalc::Material> materials,
                         const QString& preselected, const QString& decimalSeparator,
                         QWidget* parent)
    : QDialog(parent),
      design_(windings.run.checked),
      subject_(std::move(windings)),
      materials_(std::move(materials)),
      separator_(decimalSeparator.toStdString()) {
    Build(preselected);
}

void CheckDialog::Build(const QString& preselected) {
    reportError_ = [this](const QString& text) { ShowErrorBox(this, windowTitle(), text); };
    setObjectName(QStringLiteral("CheckDialog"));
    setWindowTitle(tr("Проверка расчета"));

    auto* layout = new QVBoxLayout(this);
    auto* head = new QLabel(DesignHead(design_, separator_), this);
    head->setObjectName(QStringLiteral("checkHead"));
    QFont headFont = head->font();
    headFont.setBold(true);
    head->setFont(headFont);
    layout->addWidget(head);

    // The inputs beside the plot, the results below both.
    auto* top = new QHBoxLayout;
    auto* column = new QVBoxLayout;
    column->addWidget(BuildInputs(preselected));
    const bool transformer = !design_.nothingToCheck && design_.mode != transcalc::WorkMode::Choke;
    if (subject_ && transformer) {
        column->addWidget(BuildOutputs(BoxLocale(separator_)));
    }
    column->addStretch();
    top->addLayout(column);
    plot_ = new CheckPlot(this);
    top->addWidget(plot_, 1);
    layout->addLayout(top, 1);

    results_ = new QLabel(this);
    results_->setObjectName(QStringLiteral("checkResults"));
    results_->setTextFormat(Qt::RichText);
    results_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    results_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    layout->addWidget(results_);

    converter_ = new QLabel(this);
    converter_->setObjectName(QStringLiteral("checkConverter"));
    converter_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    converter_->hide();
    layout->addWidget(converter_);

    if (subject_) {
        windingsPanel_ = new WindingsPanel(this);
        layout->addWidget(windingsPanel_);
    }

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("checkNote"));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: #555555"));
    layout->addWidget(note_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("checkButtons"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("checkClose"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    Recompute();
}

QWidget* CheckDialog::BuildInputs(const QString& preselected) {
    const QLocale locale = BoxLocale(separator_);

    auto* inputs = new QGroupBox(tr("Условия работы"), this);
    inputs->setObjectName(QStringLiteral("checkInputs"));
    auto* form = new QFormLayout(inputs);

    material_ = new QComboBox(inputs);
    material_->setObjectName(QStringLiteral("checkMaterial"));
    for (const transcalc::Material& material : materials_) {
        material_->addItem(QString::fromStdString(material.name));
    }
    material_->addItem(tr("без материала"));
    const int chosen = material_->findText(preselected);
    material_->setCurrentIndex(chosen >= 0 ? chosen : material_->count() - 1);
    AddRow(form, tr("Материал сердечника:"), material_);

    // The boxes span the inputs' whole bounds: a design file's values within
    // them are shown as kept, and one beyond them never opens.
    temperature_ = NumberBox(inputs, QStringLiteral("checkTemperature"),
                             transcalc::kMaxTemperatureC, QStringLiteral(" °C"), QString(), locale);
    temperature_->setMinimum(transcalc::kMinTemperatureC);
    temperature_->setValue(100);
    AddRow(form, tr("Температура сердечника:"), temperature_);

    if (!design_.nothingToCheck && design_.mode == transcalc::WorkMode::Choke) {
        current_ = NumberBox(inputs, QStringLiteral("checkCurrent"), transcalc::kMaxCurrentA,
                             tr(" А"), tr("не задан"), locale);
        ripple_ = NumberBox(inputs, QStringLiteral("checkRipple"), transcalc::kMaxCurrentA,
                            tr(" А"), tr("не заданы"), locale);
        frequency_ = NumberBox(inputs, QStringLiteral("checkFrequency"),
                               transcalc::kMaxFrequencyKhz, tr(" кГц"), tr("не задана"), locale);
        AddRow(form, tr("Постоянный ток дросселя:"), current_);
        AddRow(form, tr("Пульсации тока (размах):"), ripple_);
        AddRow(form, tr("Частота переключения:"), frequency_);
        for (QDoubleSpinBox* box : {current_, ripple_, frequency_}) {
            connect(box, &QDoubleSpinBox::valueChanged, this, &CheckDialog::Recompute);
        }
    }
    if (subject_ && !design_.nothingToCheck) {
        AddWindingInputs(inputs, form, locale);
    }
    connect(material_, &QComboBox::currentIndexChanged, this, &CheckDialog::Recompute);
    connect(temperature_, &QDoubleSpinBox::valueChanged, this, &CheckDialog::Recompute);
    return inputs;
}

void CheckDialog::AddWindingInputs(QWidget* inputs, QFormLayout* form, const QLocale& locale) {
    const bool forward = design_.mode == transcalc::WorkMode::SingleEnded ||
                         design_.mode == transcalc::WorkMode::PushPull;
    if (forward) {
        load_ = NumberBox(inputs, QStringLiteral("checkLoadCurrent"), transcalc::kMaxCurrentA,
                          tr(" А"), tr("не задан"), locale);
        AddRow(form, tr("Ток нагрузки:"), load_);
        connect(load_, &QDoubleSpinBox::valueChanged, this, &CheckDialog::Recompute);
    }
    // 0 lies outside the bounds: it is reported, not taken.
    density_ = NumberBox(inputs, QStringLiteral("checkCurrentDensity"),
                         transcalc::kMaxCurrentDensity, tr(" А/мм²"), QString(), locale);
    density_->setValue(kept_.currentDensity);
    AddRow(form, tr("Плотность тока в обмотках:"), density_);
    connect(density_, &QDoubleSpinBox::valueChanged, this, &CheckDialog::DensityChanged);
}

QWidget* CheckDialog::BuildOutputs(const QLocale& locale) {
    auto* group = new QGroupBox(tr("Выходы"), this);
    group->setObjectName(QStringLiteral("checkOutputs"));
    auto* grid = new QGridLayout(group);
    // Every label named after its place, as the dialog's other widgets are.
    const auto label = [group, grid](const QString& text, const QString& name, int row,
                                     int column) {
        auto* l = new QLabel(text, group);
        l->setObjectName(name);
        grid->addWidget(l, row, column);
    };
    const QString heads[] = {tr("Напряжение"), tr("Ток"), tr("Имя"), tr("Падение")};
    const QString headNames[] = {QStringLiteral("Voltage"), QStringLiteral("Current"),
                                 QStringLiteral("Name"), QStringLiteral("Drop")};
    for (int column = 0; column < 4; ++column) {
        label(heads[column], QStringLiteral("checkOutputs%1Caption").arg(headNames[column]), 0,
              column + 1);
    }
    // Output 1 is the list's: VoltOut at the load current.
    label(QStringLiteral("1"), QStringLiteral("checkOutput1Caption"), 1, 0);
    label(tr("Uвых"), QStringLiteral("checkOutput1Voltage"), 1, 1);
    label(tr("ток нагрузки"), QStringLiteral("checkOutput1Current"), 1, 2);
    label(QStringLiteral("S1"), QStringLiteral("checkOutput1Name"), 1, 3);
    const auto box = [&](const QString& name, double maximum, const QString& suffix,
                         const QString& unset) {
        return NumberBox(group, name, maximum, suffix, unset, locale);
    };
    drop1_ = box(QStringLiteral("checkOutput1Drop"), transcalc::kMaxDrop, tr(" В"), QString());
    drop1_->setValue(0);  // the list's one output: no diode until a converter is given
    grid->addWidget(drop1_, 1, 4);
    connect(drop1_, &QDoubleSpinBox::valueChanged, this, &CheckDialog::DropEdited);
    for (int k = 2; k <= transcalc::kMaxOutputs; ++k) {
        const QString prefix = QStringLiteral("checkOutput%1").arg(k);
        OutputBoxes o;
        o.voltage = box(prefix + QStringLiteral("Voltage"), transcalc::kMaxVoltage, tr(" В"),
                        tr("не задано"));
        o.current = box(prefix + QStringLiteral("Current"), transcalc::kMaxCurrentA, tr(" А"),
                        tr("не задан"));
        o.name = new QLineEdit(group);
        o.name->setObjectName(prefix + QStringLiteral("Name"));
        o.name->setPlaceholderText(QStringLiteral("S%1").arg(k));
        o.name->setMaxLength(16);
        o.drop = box(prefix + QStringLiteral("Drop"), transcalc::kMaxDrop, tr(" В"), QString());
        o.drop->setValue(kNewDrop);
        label(QString::number(k), prefix + QStringLiteral("Caption"), k, 0);
        grid->addWidget(o.voltage, k, 1);
        grid->addWidget(o.current, k, 2);
        grid->addWidget(o.name, k, 3);
        grid->addWidget(o.drop, k, 4);
        for (QDoubleSpinBox* b : {o.voltage, o.current}) {
            connect(b, &QDoubleSpinBox::valueChanged, this, &CheckDialog::ConverterEdited);
        }
        connect(o.drop, &QDoubleSpinBox::valueChanged, this, &CheckDialog::DropEdited);
        connect(o.name, &QLineEdit::editingFinished, this, &CheckDialog::Recompute);
        outputs_.push_back(o);
    }
    // The input range; unset, both ends are VoltIn.
    auto* range = new QFormLayout;
    inputMin_ =
        box(QStringLiteral("checkInputMin"), transcalc::kMaxVoltage, tr(" В"), tr("как Uвх"));
    inputMax_ =
        box(QStringLiteral("checkInputMax"), transcalc::kMaxVoltage, tr(" В"), tr("как Uвх"));
    AddRow(range, tr("Входное напряжение от:"), inputMin_);
    AddRow(range, tr("до:"), inputMax_);
    for (QDoubleSpinBox* b : {inputMin_, inputMax_}) {
        connect(b, &QDoubleSpinBox::valueChanged, this, &CheckDialog::ConverterEdited);
    }
    grid->addLayout(range, transcalc::kMaxOutputs + 1, 0, 1, 5);
    return group;
}

void CheckDialog::DropEdited() {
    dropsGiven_ = true;
    Recompute();
}

bool CheckDialog::ConverterInUse() const {
    const auto set = [](const QDoubleSpinBox* box) { return box->value() > 0; };
    return set(inputMin_) || set(inputMax_) ||
           std::ranges::any_of(
               outputs_, [&](const OutputBoxes& o) { return set(o.voltage) && set(o.current); });
}

// Until the user types a drop, output 1's diode drops its 0.7 V only once
// there is a converter around the list's one output; the box shows the
// drop in effect.
void CheckDialog::ConverterEdited() {
    if (!dropsGiven_) {
        const QSignalBlocker quiet(drop1_);
        drop1_->setValue(ConverterInUse() ? kNewDrop : 0);
    }
    Recompute();
}

void CheckDialog::TakeConverter(transcalc::CheckInputs& inputs) const {
    if (drop1_ == nullptr) {
        return;  // not shown: kept as given
    }
    const auto given = [](const QDoubleSpinBox* box) -> std::optional<double> {
        return box->value() > 0 ? std::optional(box->value()) : std::nullopt;
    };
    inputs.outputs.clear();
    for (const OutputBoxes& o : outputs_) {
        // An output counts once it has both its voltage and its current.
        if (o.voltage->value() > 0 && o.current->value() > 0) {
            inputs.outputs.push_back({o.voltage->value(), o.current->value(),
                                      o.name->text().trimmed().toStdString(), o.drop->value()});
        }
    }
    inputs.inputMin = given(inputMin_);
    inputs.inputMax = given(inputMax_);
    inputs.drop = drop1_->value();
}

void CheckDialog::PutConverter() {
    if (drop1_ == nullptr) {
        return;
    }
    const auto put = [](QDoubleSpinBox* box, double value) {
        const QSignalBlocker quiet(box);
        box->setValue(value);
    };
    const bool inUse = !kept_.outputs.empty() || kept_.inputMin || kept_.inputMax;
    put(drop1_, dropsGiven_ ? kept_.drop : inUse ? kNewDrop : 0);
    for (std::size_t k = 0; k < outputs_.size(); ++k) {
        const OutputBoxes& o = outputs_[k];
        const bool shown = k < kept_.outputs.size();
        const transcalc::ConverterOutput output =
            shown ? kept_.outputs[k] : transcalc::ConverterOutput{0, 0, {}, kNewDrop};
        put(o.voltage, output.voltage);
        put(o.current, output.current);
        put(o.drop, output.drop);
        const QSignalBlocker quiet(o.name);
        o.name->setText(QString::fromStdString(output.name));
    }
    put(inputMin_, kept_.inputMin.value_or(0));
    put(inputMax_, kept_.inputMax.value_or(0));
}

bool CheckDialog::DensityWithinBounds() const {
    return density_ == nullptr || !transcalc::CheckInputOutOfBounds(
                                      transcalc::CheckInput::CurrentDensity, density_->value());
}

void CheckDialog::DensityChanged() {
    if (const std::optional<transcalc::Refusal> why = transcalc::CheckInputOutOfBounds(
            transcalc::CheckInput::CurrentDensity, density_->value())) {
        reportError_(QString::fromStdString(why->In(transcalc::WindowLanguage())));
    } else {
        kept_.currentDensity = density_->value();
    }
    Recompute();
}

void CheckDialog::setErrorReporter(ErrorReporter reporter) {
    reportError_ = std::move(reporter);
}

const transcalc::Material* CheckDialog::ChosenMaterial() const {
    const int index = material_->currentIndex();
    return index >= 0 && index < static_cast<int>(materials_.size()) ? &materials_[index] : nullptr;
}

transcalc::CheckInputs CheckDialog::Inputs() const {
    transcalc::CheckInputs inputs = kept_;
    inputs.temperature = temperature_->value();
    const auto given = [](const QDoubleSpinBox* box) -> std::optional<double> {
        if (box->value() <= 0) {
            return std::nullopt;
        }
        return box->value();
    };
    if (current_ != nullptr) {
        inputs.dcCurrent = given(current_);
        inputs.ripple = given(ripple_);
        inputs.frequencyKhz = given(frequency_);
    }
    if (load_ != nullptr) {
        inputs.loadCurrent = given(load_);
    }
    if (density_ != nullptr && DensityWithinBounds()) {
        inputs.currentDensity = density_->value();
    }
    TakeConverter(inputs);
    return inputs;
}

void CheckDialog::Recompute() {
    const transcalc::CheckInputs inputs = Inputs();
    CheckPlotData plot;
    plot.decimalSeparator = separator_;
    plot.language = transcalc::WindowLanguage();
    QString windingsWhy;
    std::vector<std::string> converterLines;
    try {
        if (inputs.ripple && !inputs.frequencyKhz) {
            check_ = {};
            check_.nothingToCheck =
                tr("Задайте частоту переключения: без нее пульсации не учесть").toStdString();
        } else {
            check_ = transcalc::RunDesignCheck(design_, ChosenMaterial(), inputs);
            plot.curve = transcalc::SweepCheck(design_, ChosenMaterial(), inputs);
        }
        windings_ = {};
        if (subject_ && !DensityWithinBounds()) {
            windingsWhy = tr("Обмотки не проверены: плотность тока вне допустимых пределов");
        } else if (subject_) {
            std::optional<transcalc::ConverterRun> converter;
            if (!check_.nothingToCheck && inputs.ConverterGiven()) {
                converter = transcalc::RunConverter(subject_->run, ChosenMaterial(), inputs,
                                                    subject_->wires);
            }
            if (converter && converter->plan.inUse) {
                // Judged by the worse end of the input range.
                check_ = converter->check.Worse();
                windings_ = converter->WorseWindings();
                converterLines = transcalc::ConverterTextLines(*converter, separator_,
                                                               transcalc::WindowLanguage());
            } else {
                windings_ =
                    transcalc::RunWindingCheck(subject_->run, check_, inputs, subject_->wires);
            }
            transcalc::AddWindingsToCurve(plot.curve, windings_, check_);
        }
    } catch (const transcalc::CheckInputError& error) {
        // The boxes hold their inputs within bounds; should one slip past,
        // it is said once and nothing is shown for it.
        check_ = {};
        check_.nothingToCheck = transcalc::kCheckOutOfRange;
        windings_ = {};
        plot.curve = {};
        reportError_(QString::fromStdString(error.In(transcalc::WindowLanguage())));
    }
    // A powder's loss comes from its maker's formula, not from Steinmetz.
    note_->setText(check_.lossDensity && check_.lossMethod != transcalc::LossMethod::Steinmetz
                       ? tr("Потери и перегрев — оценка: потери по формуле производителя "
                            "порошка, перегрев — по правилу производителей ферритов.")
                       : tr("Потери и перегрев — оценка: формула Штейнмеца для реальной формы "
                            "индукции точна до ±35 %, перегрев — по правилу производителей "
                            "ферритов."));
    const std::vector<transcalc::CheckLine> lines =
        transcalc::CheckLines(check_, separator_, transcalc::WindowLanguage());
    results_->setText(ResultsHtml(lines));
    QStringList converterText;
    for (const std::string& line : converterLines) {
        converterText << QString::fromStdString(line);
    }
    converter_->setText(converterText.join(QLatin1Char('\n')));
    converter_->setVisible(!converterLines.empty());
    const int shownLines = static_cast<int>(lines.size() + converterLines.size());
    bool windingsShown = false;
    if (windingsPanel_ != nullptr) {
        if (!windingsWhy.isEmpty()) {
            windingsPanel_->ShowReason(windingsWhy);
        } else {
            windingsPanel_->ShowWindings(windings_, separator_);
            windingsShown = !windings_.nothingToCheck;
        }
    }
    if (shownLines != shownLines_ || windingsShown != windingsShown_) {
        // Rich text's height for its width does not reach the dialog's
        // minimum size: without this the last lines are cut off when more of
        // them come. Measured only when their number changes: it is slow.
        shownLines_ = shownLines;
        windingsShown_ = windingsShown;
        results_->setMinimumHeight(results_->sizeHint().height());
        const int needed = layout()->totalHeightForWidth(width());
        if (height() < needed) {
            resize(width(), needed);
        }
    }
    plot_->setData(std::move(plot));
}

QString CheckDialog::ResultsHtml(const std::vector<transcalc::CheckLine>& lines) const {
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    for (const transcalc::CheckLine& line : lines) {
        QString value = QStringLiteral("<b>%1</b>").arg(Escaped(line.value));
        if (line.alarm) {
            value = QStringLiteral("<span style='color:%1'>%2</span>").arg(kAlarmColour, value);
        }
        html += QStringLiteral(
                    "<tr><td align='right'>%1</td><td>%2</td>"
                    "<td style='color:#666666'>&nbsp;&nbsp;%3</td></tr>")
                    .arg(Escaped(line.label), value, Escaped(line.meaning));
    }
    return html + QStringLiteral("</table>");
}

void CheckDialog::setInputs(const transcalc::CheckInputs& inputs) {
    // Each value within its bounds is taken; one outside them is said and
    // leaves its box as it was, never clamped into it.
    kept_ = Inputs();
    QStringList refused;
    const auto within = [&refused](transcalc::CheckInput input, double value) {
        if (const std::optional<transcalc::Refusal> why =
                transcalc::CheckInputOutOfBounds(input, value)) {
            refused << QString::fromStdString(why->In(transcalc::WindowLanguage()));
            return false;
        }
        return true;
    };
    const auto take = [&within](transcalc::CheckInput input, const std::optional<double>& value,
                                std::optional<double>& kept) {
        if (!value || within(input, *value)) {
            kept = value;
        }
    };
    if (within(transcalc::CheckInput::Temperature, inputs.temperature)) {
        kept_.temperature = inputs.temperature;
    }
    take(transcalc::CheckInput::DcCurrent, inputs.dcCurrent, kept_.dcCurrent);
    take(transcalc::CheckInput::Ripple, inputs.ripple, kept_.ripple);
    take(transcalc::CheckInput::FrequencyKhz, inputs.frequencyKhz, kept_.frequencyKhz);
    take(transcalc::CheckInput::LoadCurrent, inputs.loadCurrent, kept_.loadCurrent);
    if (within(transcalc::CheckInput::CurrentDensity, inputs.currentDensity)) {
        kept_.currentDensity = inputs.currentDensity;
    }
    // The converter is taken whole or not at all: its outputs and range hang
    // together.
    transcalc::CheckInputs converter;
    converter.drop = inputs.drop;
    converter.outputs = inputs.outputs;
    converter.inputMin = inputs.inputMin;
    converter.inputMax = inputs.inputMax;
    try {
        transcalc::ValidateCheckInputs(converter);
        kept_.drop = inputs.drop;
        kept_.outputs = inputs.outputs;
        kept_.inputMin = inputs.inputMin;
        kept_.inputMax = inputs.inputMax;
        dropsGiven_ = inputs.ConverterGiven();
    } catch (const transcalc::CheckInputError& error) {
        refused << QString::fromStdString(error.In(transcalc::WindowLanguage()));
    }

    temperature_->setValue(kept_.temperature);
    const auto put = [](QDoubleSpinBox* box, const std::optional<double>& value) {
        if (box != nullptr) {
            box->setValue(value.value_or(0));
        }
    };
    put(current_, kept_.dcCurrent);
    put(ripple_, kept_.ripple);
    put(frequency_, kept_.frequencyKhz);
    put(load_, kept_.loadCurrent);
    put(density_, kept_.currentDensity);
    PutConverter();
    if (!refused.isEmpty()) {
        reportError_(refused.join(QLatin1Char('\n')));
    }
    Recompute();
}

std::string CheckDialog::materialName() const {
    const transcalc::Material* material = ChosenMaterial();
    return material == nullptr ? std::string() : material->name;
}

}  // namespace transcalc
