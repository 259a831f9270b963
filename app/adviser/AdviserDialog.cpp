#include "AdviserDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <optional>
#include <tuple>

#include "Advise.h"
#include "AdviserCandidates.h"
#include "AdviserPlot.h"
#include "AdviserTable.h"
#include "Catalogue.h"
#include "Errors.h"
#include "WindowLanguage.h"

namespace transcalc {

namespace {

using transcalc::CoreFamily;
using transcalc::Field;

// A box for each classic kind of core the adviser searches; the other
// families have theirs below, named by the families' table.
struct KindBox {
    CoreFamily family;
    const char* objectName;
    const char* caption;
};
constexpr KindBox kKindBoxes[] = {
    {CoreFamily::Ring, "adviserRing", QT_TRANSLATE_NOOP("transcalc::AdviserDialog", "Кольцо")},
    {CoreFamily::E, "adviserE", QT_TRANSLATE_NOOP("transcalc::AdviserDialog", "Ш")},
    {CoreFamily::U, "adviserU", QT_TRANSLATE_NOOP("transcalc::AdviserDialog", "П")},
};
static_assert(std::size(kKindBoxes) == transcalc::kCoreKinds.size());
using transcalc::WorkMode;

// How often the progress bar follows a search.
constexpr int kProgressTickMs = 50;

// A family's box by its key: "planar-er" -> "adviserPlanarEr".
QString FamilyBoxName(CoreFamily family) {
    QString name = QStringLiteral("adviser");
    bool upper = true;
    for (const char c : transcalc::InfoOf(family).key) {
        if (c == '-') {
            upper = true;
            continue;
        }
        name += upper ? QChar(c).toUpper() : QChar(c);
        upper = false;
    }
    return name;
}

// A family's name in the window's language.
QString FamilyText(CoreFamily family) {
    return QString::fromUtf8(transcalc::FamilyName(family, transcalc::WindowLanguage()));
}

std::vector<QString> FamilyNames(const std::vector<CoreFamily>& families) {
    std::vector<QString> names;
    for (const CoreFamily family : families) {
        names.push_back(FamilyText(family));
    }
    return names;
}

constexpr int kColumnCount = static_cast<int>(transcalc::kAdviserColumnCount);

constexpr int ColumnIndex(transcalc::AdviserColumn column) {
    return static_cast<int>(column);
}

// The label of a form row is named after its field; its text comes with
// the dialog's other words.
void AddRow(QFormLayout* form, QWidget* field) {
    auto* label = new QLabel(form->parentWidget());
    label->setObjectName(field->objectName() + QStringLiteral("Caption"));
    label->setBuddy(field);
    form->addRow(label, field);
}

}  // namespace

AdviserDialog::AdviserDialog(const transcalc::catalogue::Catalogue& catalogue,
                             const transcalc::AdviserInputs& prefilled, ErrorReporter reportError,
                             QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      reportError_(std::move(reportError)),
      fields_(prefilled.fields),
      separator_(prefilled.separator),
      locale_(separator_ == "," ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c()),
      searched_(prefilled) {
    locale_.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    setObjectName(QStringLiteral("AdviserDialog"));

    auto* top = new QHBoxLayout;
    top->addWidget(BuildInputs(prefilled), 0);
    plot_ = new AdviserPlot(separator_, this);
    top->addWidget(plot_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildResults(), 1);
    ShowTexts();
    ConnectInputs();
    InputsChanged();
    resize(1080, 760);
}

void AdviserDialog::ShowTexts() {
    setWindowTitle(tr("Подбор сердечника"));
    inputsGroup_->setTitle(tr("Исходные данные"));
    const std::pair<WorkMode, QString> modes[] = {
        {WorkMode::Choke, tr("Дроссель")},
        {WorkMode::Flyback, tr("Обратноходовой")},
        {WorkMode::SingleEnded, tr("Однотактный")},
        {WorkMode::PushPull, tr("Двухтактный")},
    };
    for (const auto& [mode, name] : modes) {
        mode_->setItemText(mode_->findData(static_cast<int>(mode)), name);
    }
    material_->setItemText(0, tr("не выбран"));
    for (std::size_t i = 0; i < families_.size(); ++i) {
        const CoreFamily family = families_[i].first;
        families_[i].second->setText(i < std::size(kKindBoxes) ? tr(kKindBoxes[i].caption)
                                                               : FamilyText(family));
    }

    // The captions of the rows; the timing's follows the mode.
    const std::pair<QWidget*, QString> captions[] = {
        {mode_, tr("Режим:")},
        {voltIn_, tr("Напряжение на входе, В:")},
        {voltOut_, tr("Напряжение на выходе, В:")},
        {overshoot_, tr("Допустимое напряжение выброса, В:")},
        {loadCurrent_, tr("Ток нагрузки:")},
        {inductance_, tr("Индуктивность:")},
        {current_, tr("Постоянный ток дросселя:")},
        {ripple_, tr("Пульсации тока (размах):")},
        {frequency_, tr("Частота переключения:")},
        {material_, tr("Материал сердечника:")},
        {families_.front().second->parentWidget(), tr("Виды сердечников:")},
        {families_.back().second->parentWidget(), tr("Другие семейства:")},
        {temperature_, tr("Температура сердечника:")},
        {margin_, tr("Запас до насыщения не менее:")},
        {rise_, tr("Перегрев не более:")},
        {density_, tr("Плотность тока:")},
    };
    for (const auto& [field, caption] : captions) {
        qobject_cast<QLabel*>(form_->labelForField(field))->setText(caption);
    }
    ShowModeInputs();

    // The units, and what an unset box says.
    const QString amperes = tr(" А");
    const std::tuple<QDoubleSpinBox*, QString, QString> units[] = {
        {loadCurrent_, amperes, tr("не задан")},
        {inductance_, tr(" мГн"), tr("не задана")},
        {current_, amperes, tr("не задан")},
        {ripple_, amperes, tr("не заданы")},
        {frequency_, tr(" кГц"), tr("не задана")},
        {temperature_, tr(" °C"), QString()},
        {margin_, tr(" %"), QString()},
        {rise_, tr(" К"), QString()},
        {density_, tr(" А/мм²"), QString()},
    };
    for (const auto& [box, suffix, unset] : units) {
        box->setSuffix(suffix);
        box->setSpecialValueText(unset);  // the minimum, 0, stands for "not given"
    }

    search_->setText(tr("Подобрать"));
    cancel_->setText(tr("Отмена"));
    progress_->setFormat(tr("%v из %m"));
    QStringList headings;
    for (const transcalc::TableColumn& column : transcalc::kAdviserColumns) {
        headings << QString::fromStdString(
            transcalc::ColumnCaption(column, transcalc::WindowLanguage()));
    }
    table_->setHorizontalHeaderLabels(headings);
    table_->setColumnHidden(ColumnIndex(transcalc::AdviserColumn::Family),
                            !transcalc::AdviserShowsFamilies(searched_));
    apply_->setText(tr("Применить"));
    apply_->setToolTip(tr("Перенести выбранный сердечник в окно и выполнить расчет"));
    close_->setText(tr("Закрыть"));
    if (result_ && !result_->cancelled) {
        std::vector<QString> labels;
        for (int row = 0; row < table_->rowCount(); ++row) {
            ShowRowTexts(row, result_->rows[static_cast<std::size_t>(row)]);
            labels.push_back(PointLabel(result_->rows[static_cast<std::size_t>(row)]));
        }
        plot_->setLabels(labels);
        plot_->setFamilies(FamilyNames(PlotFamilies()));
    }
    status_->setText(StatusText());
}

void AdviserDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ShowTexts();
    }
    QDialog::changeEvent(event);
}

// Once every control exists: the values put in while building change nothing.
void AdviserDialog::ConnectInputs() {
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>()) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &AdviserDialog::InputsChanged);
    }
    for (QLineEdit* line : {voltIn_, voltOut_, timing_, overshoot_}) {
        connect(line, &QLineEdit::textChanged, this, &AdviserDialog::InputsChanged);
    }
    for (const auto& [family, box] : families_) {
        connect(box, &QCheckBox::toggled, this, &AdviserDialog::InputsChanged);
    }
    connect(material_, &QComboBox::currentIndexChanged, this, &AdviserDialog::InputsChanged);
    connect(mode_, &QComboBox::currentIndexChanged, this, [this] {
        ShowModeInputs();
        InputsChanged();
    });
}

AdviserDialog::~AdviserDialog() {
    StopSearch();
}

QDoubleSpinBox* AdviserDialog::NumberBox(const QString& name, double minimum, double maximum,
                                         int decimals) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setLocale(locale_);
    box->setRange(minimum, maximum);
    box->setDecimals(decimals);
    box->setKeyboardTracking(false);
    return box;
}

QLineEdit* AdviserDialog::FieldLine(transcalc::Field field,
                                    const transcalc::AdviserInputs& prefilled) {
    auto* line = new QLineEdit(QString::fromStdString(prefilled.fields[field]), this);
    line->setObjectName(
        QStringLiteral("adviser") +
        QString::fromUtf8(transcalc::InfoOf(field).editName.data(),
                          static_cast<int>(transcalc::InfoOf(field).editName.size())));
    return line;
}

QWidget* AdviserDialog::BuildInputs(const transcalc::AdviserInputs& prefilled) {
    inputsGroup_ = new QGroupBox(this);
    inputsGroup_->setObjectName(QStringLiteral("adviserInputs"));
    form_ = new QFormLayout(inputsGroup_);

    mode_ = new QComboBox(inputsGroup_);
    mode_->setObjectName(QStringLiteral("adviserMode"));
    for (const WorkMode mode :
         {WorkMode::Choke, WorkMode::Flyback, WorkMode::SingleEnded, WorkMode::PushPull}) {
        mode_->addItem(QString(), static_cast<int>(mode));
    }
    mode_->setCurrentIndex(mode_->findData(static_cast<int>(prefilled.mode)));
    AddRow(form_, mode_);

    voltIn_ = FieldLine(Field::VoltageIn, prefilled);
    voltOut_ = FieldLine(Field::VoltageOut, prefilled);
    timing_ = FieldLine(Field::FrequencyOrPulse, prefilled);
    overshoot_ = FieldLine(Field::Overshoot, prefilled);
    for (QWidget* field : {voltIn_, voltOut_, timing_, overshoot_}) {
        AddRow(form_, field);
    }

    const transcalc::CheckInputs& check = prefilled.check;
    converter_ = check;
    loadCurrent_ = NumberBox(QStringLiteral("adviserLoadCurrent"), 0, transcalc::kMaxCurrentA, 2);
    loadCurrent_->setValue(check.loadCurrent.value_or(0));
    AddRow(form_, loadCurrent_);

    inductance_ =
        NumberBox(QStringLiteral("adviserInductance"), 0, transcalc::kMaxAdviserInductanceMh, 4);
    inductance_->setValue(prefilled.inductanceMh.value_or(0));
    current_ = NumberBox(QStringLiteral("adviserCurrent"), 0, transcalc::kMaxCurrentA, 2);
    current_->setValue(check.dcCurrent.value_or(0));
    ripple_ = NumberBox(QStringLiteral("adviserRipple"), 0, transcalc::kMaxCurrentA, 2);
    ripple_->setValue(check.ripple.value_or(0));
    frequency_ = NumberBox(QStringLiteral("adviserFrequency"), 0, transcalc::kMaxFrequencyKhz, 1);
    frequency_->setValue(check.frequencyKhz.value_or(0));
    for (QWidget* field : {inductance_, current_, ripple_, frequency_}) {
        AddRow(form_, field);
    }

    material_ = new QComboBox(inputsGroup_);
    material_->setObjectName(QStringLiteral("adviserMaterial"));
    material_->addItem(QString(), -1);  // none chosen
    for (std::size_t i = 0; i < catalogue_.materials.size(); ++i) {
        material_->addItem(QString::fromStdString(catalogue_.materials[i].name),
                           static_cast<int>(i));
    }
    const int chosen = material_->findText(QString::fromStdString(prefilled.material));
    material_->setCurrentIndex(prefilled.material.empty() || chosen < 0 ? 0 : chosen);
    AddRow(form_, material_);

    auto* kinds = new QWidget(inputsGroup_);
    kinds->setObjectName(QStringLiteral("adviserKinds"));
    auto* kindRow = new QHBoxLayout(kinds);
    kindRow->setContentsMargins(0, 0, 0, 0);
    const auto familyBox = [&](CoreFamily family, QWidget* parent, const QString& name) {
        auto* box = new QCheckBox(parent);
        box->setObjectName(name);
        box->setChecked(std::ranges::find(prefilled.families, family) != prefilled.families.end());
        families_.emplace_back(family, box);
        return box;
    };
    for (const KindBox& kind : kKindBoxes) {
        kindRow->addWidget(familyBox(kind.family, kinds, QString::fromLatin1(kind.objectName)));
    }
    kindRow->addStretch();
    AddRow(form_, kinds);

    // The other families, a line for each group of look-alikes; the lines
    // keep their own widths, so that the plot beside keeps its room.
    auto* others = new QWidget(inputsGroup_);
    others->setObjectName(QStringLiteral("adviserFamilies"));
    auto* lines = new QVBoxLayout(others);
    lines->setContentsMargins(0, 0, 0, 0);
    std::optional<transcalc::FamilyGroup> group;
    QHBoxLayout* line = nullptr;
    for (const transcalc::FamilyInfo& info : transcalc::kCoreFamilies) {
        if (transcalc::ClassicKindOf(info.family)) {
            continue;
        }
        if (info.group != group) {
            if (line != nullptr) {
                line->addStretch();
            }
            group = info.group;
            line = new QHBoxLayout;
            lines->addLayout(line);
        }
        line->addWidget(familyBox(info.family, others, FamilyBoxName(info.family)));
    }
    line->addStretch();
    AddRow(form_, others);

    temperature_ = NumberBox(QStringLiteral("adviserTemperature"), transcalc::kMinTemperatureC,
                             transcalc::kMaxTemperatureC, 0);
    temperature_->setValue(check.temperature);
    margin_ = NumberBox(QStringLiteral("adviserMargin"), 0, transcalc::kMaxAdviserMargin * 100, 0);
    margin_->setValue(prefilled.margin * 100);
    rise_ = NumberBox(QStringLiteral("adviserRise"), 1, transcalc::kMaxAdviserRise, 0);
    rise_->setValue(prefilled.maxRise);
    density_ = NumberBox(QStringLiteral("adviserDensity"), 0.1, transcalc::kMaxCurrentDensity, 1);
    density_->setValue(check.currentDensity);
    for (QWidget* field : {temperature_, margin_, rise_, density_}) {
        AddRow(form_, field);
    }
    return inputsGroup_;
}

QWidget* AdviserDialog::BuildResults() {
    auto* results = new QWidget(this);
    results->setObjectName(QStringLiteral("adviserResults"));
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* run = new QHBoxLayout;
    search_ = new QPushButton(results);
    search_->setObjectName(QStringLiteral("adviserSearch"));
    search_->setDefault(true);
    cancel_ = new QPushButton(results);
    cancel_->setObjectName(QStringLiteral("adviserCancel"));
    progress_ = new QProgressBar(results);
    progress_->setObjectName(QStringLiteral("adviserProgress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);  // until there is something to count
    run->addWidget(search_);
    run->addWidget(cancel_);
    run->addWidget(progress_, 1);
    layout->addLayout(run);
    progressTick_ = new QTimer(this);
    progressTick_->setObjectName(QStringLiteral("adviserProgressTick"));
    progressTick_->setInterval(kProgressTickMs);
    connect(progressTick_, &QTimer::timeout, this, &AdviserDialog::ShowProgress);
    connect(search_, &QPushButton::clicked, this, &AdviserDialog::Search);
    connect(cancel_, &QPushButton::clicked, this, &AdviserDialog::Cancel);

    status_ = new QLabel(results);
    status_->setObjectName(QStringLiteral("adviserStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);

    table_ = new QTableWidget(0, kColumnCount, results);
    table_->setObjectName(QStringLiteral("adviserTable"));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &AdviserDialog::SelectionChanged);
    connect(plot_, &AdviserPlot::pointClicked, table_, &QTableWidget::selectRow);

    auto* buttons = new QHBoxLayout;
    apply_ = new QPushButton(results);
    apply_->setObjectName(QStringLiteral("adviserApply"));
    apply_->setEnabled(false);
    close_ = new QPushButton(results);
    close_->setObjectName(QStringLiteral("adviserClose"));
    buttons->addWidget(apply_);
    buttons->addStretch();
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    connect(apply_, &QPushButton::clicked, this, &AdviserDialog::Apply);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    return results;
}

// The rows of the form that the chosen mode reads.
void AdviserDialog::ShowModeInputs() {
    const auto mode = static_cast<WorkMode>(mode_->currentData().toInt());
    const bool choke = mode == WorkMode::Choke;
    for (QWidget* field : {static_cast<QWidget*>(voltIn_), static_cast<QWidget*>(voltOut_),
                           static_cast<QWidget*>(timing_), static_cast<QWidget*>(loadCurrent_)}) {
        form_->setRowVisible(field, !choke);
    }
    form_->setRowVisible(overshoot_, mode == WorkMode::Flyback);
    for (QWidget* field : {inductance_, current_, ripple_, frequency_}) {
        form_->setRowVisible(field, choke);
    }
    auto* timingCaption = qobject_cast<QLabel*>(form_->labelForField(timing_));
    timingCaption->setText(mode == WorkMode::Flyback ? tr("Длительность импульса, мкс:")
                                                     : tr("Частота, кГц:"));
}

QString AdviserDialog::missingInput() const {
    if (material_->currentData().toInt() < 0) {
        return tr("Выберите материал сердечника.");
    }
    if (std::ranges::none_of(families_, [](const auto& box) { return box.second->isChecked(); })) {
        return tr("Отметьте хотя бы один вид сердечника.");
    }
    if (static_cast<WorkMode>(mode_->currentData().toInt()) == WorkMode::Choke) {
        if (inductance_->value() <= 0) {
            return tr("Задайте индуктивность дросселя.");
        }
        if (current_->value() <= 0) {
            return tr("Задайте постоянный ток дросселя.");
        }
        if (ripple_->value() > 0 && frequency_->value() <= 0) {
            return tr("Задайте частоту переключения: без нее пульсации не учесть.");
        }
        return {};
    }
    if (loadCurrent_->value() <= 0) {
        return tr("Задайте ток нагрузки.");
    }
    return {};
}

transcalc::AdviserInputs AdviserDialog::inputs() const {
    transcalc::AdviserInputs in = searched_;  // the limit as given
    in.mode = static_cast<WorkMode>(mode_->currentData().toInt());
    in.fields = fields_;
    in.fields[Field::VoltageIn] = voltIn_->text().toStdString();
    in.fields[Field::VoltageOut] = voltOut_->text().toStdString();
    in.fields[Field::FrequencyOrPulse] = timing_->text().toStdString();
    in.fields[Field::Overshoot] = overshoot_->text().toStdString();
    in.separator = separator_;
    const int material = material_->currentData().toInt();
    in.material = material < 0 ? std::string() : catalogue_.materials[material].name;
    in.families.clear();
    for (const auto& [family, box] : families_) {
        if (box->isChecked()) {
            in.families.push_back(family);
        }
    }
    const auto given = [](const QDoubleSpinBox* box) -> std::optional<double> {
        return box->value() > 0 ? std::optional(box->value()) : std::nullopt;
    };
    // Only the inputs of the chosen mode: the hidden ones are not asked for.
    const bool choke = in.mode == WorkMode::Choke;
    in.check = {};
    in.check.temperature = temperature_->value();
    in.check.currentDensity = density_->value();
    if (choke) {
        in.check.dcCurrent = given(current_);
        in.check.ripple = given(ripple_);
        in.check.frequencyKhz = given(frequency_);
        in.inductanceMh = given(inductance_);
    } else {
        in.check.loadCurrent = given(loadCurrent_);
        in.check.drop = converter_.drop;
        in.check.outputs = converter_.outputs;
        in.check.inputMin = converter_.inputMin;
        in.check.inputMax = converter_.inputMax;
        in.inductanceMh.reset();
    }
    in.margin = margin_->value() / 100;
    in.maxRise = rise_->value();
    return in;
}

void AdviserDialog::InputsChanged() {
    const QString missing = missingInput();
    search_->setEnabled(!running_ && missing.isEmpty());
    cancel_->setEnabled(running_ && !stop_.stop_requested());
    status_->setText(StatusText());
}

// What the search is doing, what it still needs, or how the last one ended.
QString AdviserDialog::StatusText() const {
    if (running_) {
        return stop_.stop_requested() ? tr("Подбор останавливается…") : tr("Идет подбор…");
    }
    if (const QString missing = missingInput(); !missing.isEmpty()) {
        return missing;
    }
    if (failed_) {
        return tr("Подбор не выполнен.");
    }
    if (!result_) {
        return tr(
            "Нажмите «Подобрать»: сердечники выбранных видов будут "
            "рассчитаны и проверены по очереди.");
    }
    const transcalc::AdviserResult& result = *result_;
    if (result.cancelled) {
        return tr("Подбор отменен.");
    }
    if (result.rows.empty()) {
        const std::string why =
            transcalc::NothingFitsText(searched_, result, transcalc::WindowLanguage());
        return why.empty() ? tr("Ни один сердечник не подошел.") : QString::fromStdString(why);
    }
    QString text =
        tr("Подходящих сердечников: %1 из %2.").arg(result.feasibleCores).arg(result.coresSearched);
    if (result.feasibleCores > result.rows.size()) {
        text +=
            QLatin1Char(' ') + tr("В таблице %1 наименьших по объему Ve.").arg(result.rows.size());
    }
    return text;
}

void AdviserDialog::Search() {
    if (running_ || !missingInput().isEmpty()) {
        return;
    }
    transcalc::AdviserInputs in = inputs();
    transcalc::AdviserCatalogue searched;
    try {
        transcalc::ValidateAdviserInputs(in);
        searched = transcalc::catalogue::AdviserCatalogueOf(catalogue_, in);
    } catch (const transcalc::AdviserInputError& error) {
        reportError_(
            QString::fromStdString(transcalc::ErrorBoxText(error.In(transcalc::WindowLanguage()))));
        return;
    } catch (const std::exception& error) {
        reportError_(QString::fromStdString(transcalc::ErrorBoxText(error.what())));
        return;
    }
    stop_ = std::stop_source();
    running_ = true;
    failed_ = false;
    searched_ = in;
    result_.reset();
    table_->setRowCount(0);
    table_->setColumnHidden(ColumnIndex(transcalc::AdviserColumn::Family),
                            !transcalc::AdviserShowsFamilies(searched_));
    plot_->setPoints({});
    progress_->setRange(0, std::max<int>(1, static_cast<int>(searched.cores.size())));
    progress_->setValue(0);
    progress_->setTextVisible(true);
    apply_->setEnabled(false);
    InputsChanged();

    // The progress bar paints at once on every new value, so it follows the
    // search on a tick, never core by core: hundreds of paints queued one
    // behind the other would hold the window for the whole search. The end
    // reaches the dialog as a queued call, which runs in its thread and goes
    // with the dialog.
    searchDone_ = 0;
    progressTick_->start();
    searchEnd_ = pool_.Post(
        [this, in = std::move(in), searched = std::move(searched), stop = stop_.get_token()] {
            std::optional<transcalc::AdviserResult> result;
            QString error;
            try {
                result = transcalc::Advise(
                    pool_, in, searched,
                    [this](std::size_t done, std::size_t) { searchDone_ = done; }, stop);
            } catch (const std::exception& failure) {
                error = QString::fromStdString(transcalc::ErrorBoxText(failure.what()));
            }
            QMetaObject::invokeMethod(
                this, [this, result = std::move(result), error] { Finished(result, error); },
                Qt::QueuedConnection);
        });
}

void AdviserDialog::ShowProgress() {
    progress_->setValue(static_cast<int>(searchDone_.load()));
}

void AdviserDialog::Cancel() {
    if (!running_) {
        return;
    }
    stop_.request_stop();
    InputsChanged();
}

void AdviserDialog::StopSearch() {
    if (searchEnd_.valid()) {
        stop_.request_stop();
        searchEnd_.wait();
    }
}

void AdviserDialog::done(int result) {
    StopSearch();
    QDialog::done(result);
}

void AdviserDialog::Finished(std::optional<transcalc::AdviserResult> result, const QString& error) {
    if (searchEnd_.valid()) {
        searchEnd_.get();  // its last act was to post this call
    }
    progressTick_->stop();
    ShowProgress();
    running_ = false;
    result_ = std::move(result);
    failed_ = !result_;
    if (result_) {
        ShowResult();
    }
    InputsChanged();
    if (!error.isEmpty()) {
        reportError_(error);
    }
    emit searchEnded();
}

void AdviserDialog::ShowResult() {
    const transcalc::AdviserResult& result = *result_;
    if (result.cancelled) {
        return;
    }
    progress_->setValue(progress_->maximum());
    std::vector<AdviserPoint> points;
    const std::vector<transcalc::CoreFamily> families = PlotFamilies();
    table_->setRowCount(static_cast<int>(result.rows.size()));
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const transcalc::AdvisedCore& row = result.rows[i];
        FillRow(static_cast<int>(i), row);
        const auto marker = std::ranges::find(families, row.family) - families.begin();
        points.push_back({row.volume * 1e6, row.RankingLoss(), !row.coreLossUnknown,
                          PointLabel(row), families.empty() ? 0 : static_cast<int>(marker)});
    }
    table_->resizeColumnsToContents();
    plot_->setFamilies(FamilyNames(families));
    plot_->setPoints(std::move(points));
    if (!result.rows.empty()) {
        table_->selectRow(0);
    }
}

void AdviserDialog::FillRow(int row, const transcalc::AdvisedCore& core) {
    using transcalc::AdviserColumn;
    for (int column = 0; column < kColumnCount; ++column) {
        auto* item = new QTableWidgetItem;
        if (column != ColumnIndex(AdviserColumn::Core) &&
            column != ColumnIndex(AdviserColumn::Family) &&
            column != ColumnIndex(AdviserColumn::Wire)) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        table_->setItem(row, column, item);
    }
    ShowRowTexts(row, core);
}

void AdviserDialog::ShowRowTexts(int row, const transcalc::AdvisedCore& core) {
    const auto cells = transcalc::AdviserCells(core, separator_, transcalc::WindowLanguage());
    for (int column = 0; column < kColumnCount; ++column) {
        table_->item(row, column)->setText(QString::fromStdString(cells[column]));
    }
    if (!core.coreLoss) {
        table_->item(row, ColumnIndex(transcalc::AdviserColumn::CoreLoss))
            ->setToolTip(tr("У материала нет данных о потерях: перегрев — только от меди."));
    }
}

QString AdviserDialog::PointLabel(const transcalc::AdvisedCore& core) const {
    QString label = QString::fromStdString(core.core);
    if (transcalc::AdviserShowsFamilies(searched_)) {
        label += QStringLiteral(" (%1)").arg(FamilyText(core.family));
    }
    return label;
}

std::vector<transcalc::CoreFamily> AdviserDialog::PlotFamilies() const {
    std::vector<transcalc::CoreFamily> families;
    if (result_ && transcalc::AdviserShowsFamilies(searched_)) {
        for (const transcalc::AdvisedCore& row : result_->rows) {
            if (std::ranges::find(families, row.family) == families.end()) {
                families.push_back(row.family);
            }
        }
    }
    return families;
}

int AdviserDialog::selectedRow() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void AdviserDialog::SelectionChanged() {
    const int row = selectedRow();
    plot_->setSelected(row);
    apply_->setEnabled(row >= 0 && !running_);
}

void AdviserDialog::Apply() {
    const int row = selectedRow();
    if (running_ || !result_ || row < 0 || row >= static_cast<int>(result_->rows.size())) {
        return;
    }
    emit designApplied(result_->rows[row].design);
}

}  // namespace transcalc
