#include "L_C.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ApplicationTitle.h"
#include "Calculate.h"
#include "CaptionText.h"
#include "Catalogue.h"
#include "CoreFamily.h"
#include "DeferredIcon.h"
#include "DesignRun.h"
#include "ErrorBox.h"
#include "Errors.h"
#include "FamilyCoreText.h"
#include "ResultsPass.h"
#include "StateFile.h"
#include "WindowFonts.h"
#include "WindowLanguage.h"
#include "ui_L_C.h"

namespace transcalc {

namespace {

constexpr int kStatusTickMs = 10;
constexpr int kResultsPassMs = 20;
// The designed place of the window, the position of the form's geometry in
// L_C.ui: uic applies only the size of a top-level form.
constexpr QPoint kDesignedPosition{308, 128};

// A caption label holds its Russian caption, which the state file keeps,
// and shows it in the window's language.
constexpr char kCaptionProperty[] = "caption";

// The numbers of the labels whose captions the window sets.
constexpr int kCaptionLabels[] = {1, 2, 3, 4, 6, 7, 8, 12, 13, 14};

QString CaptionOf(const QLabel* label) {
    return label->property(kCaptionProperty).toString();
}

void ShowCaption(QLabel* label) {
    label->setText(transcalc::ShownCaption(CaptionOf(label)));
    label->adjustSize();
}

// The status tick sets its captions every 10 ms: only a new caption costs a
// new layout.
void SetCaption(QLabel* label, const QString& caption) {
    if (CaptionOf(label) == caption) {
        return;
    }
    label->setProperty(kCaptionProperty, caption);
    ShowCaption(label);
}

// The list's designed lines, until the first "Расчет" replaces them.
const char* const kGreeting[] = {
    QT_TRANSLATE_NOOP("transcalc::TForm1", "Для  начала  работы"),
    QT_TRANSLATE_NOOP("transcalc::TForm1", "Нажмите ввод. "),
};

QString Caption(transcalc::Field field) {
    return QString::fromUtf8(transcalc::InfoOf(field).caption);
}

}  // namespace

}  // namespace transcalc

// Outside any namespace, as the resource initialiser lives in the global one.
static void RegisterPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(transcalc);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace transcalc {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TForm1>()),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)) {
    RegisterPictures();
    ApplyFormFont(*this);
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The core pictures are read when first drawn: at most one shows at start.
    ui_->BitBtn2->setIcon(DeferredIcon(QStringLiteral(":/pictures/ring.svg")));
    ui_->BitBtn3->setIcon(DeferredIcon(QStringLiteral(":/pictures/e-core.svg")));
    ui_->BitBtn4->setIcon(DeferredIcon(QStringLiteral(":/pictures/u-core.svg")));
    ApplyPixelHeights(*this);
    // The designed captions are no texts of either language.
    for (const int number : kCaptionLabels) {
        LabelNumber(number)->setProperty(kCaptionProperty, LabelNumber(number)->text());
    }
    for (QLabel* label : findChildren<QLabel*>()) {
        label->adjustSize();
    }
    // Submenus answer to their design names as menu items, like every other item.
    for (QMenu* menu : findChildren<QMenu*>()) {
        menu->menuAction()->setObjectName(menu->objectName());
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(kDesignedPosition);

    results_ = std::make_unique<ListBoxResults>(*ui_->ListBox1);
    for (const char* line : kGreeting) {
        greetingShown_ << QString::fromUtf8(line);
    }
    ShowGreeting();
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kStatusTickMs);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kResultsPassMs);
    reportError_ = [this](const QString& text) {
        ShowErrorBox(this, ApplicationTitle(QCoreApplication::applicationFilePath()), text);
    };
    askDiscard_ = [this](const QString& text) {
        QMessageBox box(QMessageBox::Warning,
                        ApplicationTitle(QCoreApplication::applicationFilePath()), text,
                        QMessageBox::Discard | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("DiscardQuestion"));
        box.button(QMessageBox::Discard)->setText(tr("Закрыть без сохранения"));
        box.button(QMessageBox::Cancel)->setText(tr("Отмена"));
        box.setDefaultButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Discard;
    };
    InstallFileDialogs();
    classicTitle_ = windowTitle();
    copyResults_ = AddCopyToResults();
    AddLanguageChoice();
    ReadSystemDecimalSeparator();
    ConnectHandlers();
    Timer1->start();
}

// Ctrl+C and the context menu of the results list copy its lines as text.
QAction* TForm1::AddCopyToResults() {
    auto* copy = new QAction(tr("Копировать"), ui_->ListBox1);
    copy->setObjectName(QStringLiteral("ListBox1Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    ui_->ListBox1->addAction(copy);
    ui_->ListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    return copy;
}

// "Русский" and "English" are one choice, which shows the language in use.
void TForm1::AddLanguageChoice() {
    auto* group = new QActionGroup(this);
    group->setObjectName(QStringLiteral("N13LanguageGroup"));
    group->addAction(ui_->N13Russian);
    group->addAction(ui_->N13English);
    ShowLanguageChoice();
}

void TForm1::ShowLanguageChoice() {
    const bool english = transcalc::WindowLanguage() == transcalc::Language::English;
    ui_->N13English->setChecked(english);
    ui_->N13Russian->setChecked(!english);
}

// The language first, so that a failure to keep it is told in it.
void TForm1::ChooseLanguage(transcalc::Language language) {
    transcalc::ApplyWindowLanguage(language);
    ShowLanguageChoice();
    const QString problem = transcalc::StoreLanguage(language);
    if (!problem.isEmpty() && !languageNotKeptTold_) {
        languageNotKeptTold_ = true;
        reportError_(problem);
    }
}

void TForm1::ReportLanguageSettingProblem() {
    if (const QString problem = transcalc::TakeStartLanguageProblem(); !problem.isEmpty()) {
        reportError_(problem);
    }
}

// The list's designed lines follow the language until results replace them.
void TForm1::ShowGreeting() {
    if (results_->Lines() != greetingShown_) {
        return;
    }
    greetingShown_.clear();
    for (int row = 0; row < ui_->ListBox1->count(); ++row) {
        greetingShown_ << tr(kGreeting[row]);
        ui_->ListBox1->item(row)->setText(greetingShown_.back());
    }
}

// Every text of the window again, in the language now in place; the state
// the window shows stays as it is.
void TForm1::Retranslate() {
    ui_->retranslateUi(this);
    classicTitle_ = windowTitle();
    SetDesignPath(designPath_);
    for (const int number : kCaptionLabels) {
        ShowCaption(LabelNumber(number));
    }
    ShowFamilyCore();
    for (QLabel* label : findChildren<QLabel*>()) {
        label->adjustSize();
    }
    copyResults_->setText(tr("Копировать"));
    ShowGreeting();
    ShowLanguageChoice();
}

TForm1::~TForm1() = default;

void TForm1::ConnectHandlers() {
    const Ui::TForm1& ui = *ui_;
    connect(ui.BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(ui.BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(ui.BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(ui.BitBtn7, &QPushButton::clicked, this, &TForm1::BitBtn7Click);
    connect(ui.BitBtn9, &QPushButton::clicked, this, &TForm1::BitBtn9Click);
    connect(ui.N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(ui.N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(ui.N11, &QAction::triggered, this, &TForm1::N11Click);
    connect(ui.N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(ui.N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(ui.N6, &QAction::triggered, this, &TForm1::N6Click);
    connect(ui.N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(ui.N13, &QAction::triggered, this, &TForm1::N13Click);
    connect(ui.N1Catalogue, &QAction::triggered, this, &TForm1::ChooseCatalogueCore);
    connect(ui.N13Material, &QAction::triggered, this, &TForm1::ChooseCatalogueMaterial);
    connect(ui.N13Adviser, &QAction::triggered, this, &TForm1::OpenCoreAdviser);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(copyResults_, &QAction::triggered, this, &TForm1::CopyResults);
    connect(ui.BitBtnCheck, &QPushButton::clicked, this, &TForm1::OpenDesignCheck);
    connect(ui.N13Open, &QAction::triggered, this, &TForm1::ChooseAndOpenDesign);
    connect(ui.N13Save, &QAction::triggered, this, &TForm1::SaveDesignAs);
    connect(ui.N13Report, &QAction::triggered, this, &TForm1::SaveReportAsPdf);
    connect(ui.N13Print, &QAction::triggered, this, &TForm1::PrintReportPage);
    connect(ui.N13Russian, &QAction::triggered, this,
            [this] { ChooseLanguage(transcalc::Language::Russian); });
    connect(ui.N13English, &QAction::triggered, this,
            [this] { ChooseLanguage(transcalc::Language::English); });
    for (const transcalc::FieldInfo& info : transcalc::kFields) {
        connect(FieldEdit(info.field), &QLineEdit::textChanged, this,
                [this, field = info.field](const QString& text) { FieldTextChanged(field, text); });
    }
}

void TForm1::setDecimalSeparator(const QString& separator) {
    separator_ = separator.toStdString();
}

void TForm1::setErrorReporter(ErrorReporter reporter) {
    reportError_ = std::move(reporter);
}

void TForm1::setDiscardQuestion(DiscardQuestion question) {
    askDiscard_ = std::move(question);
}

void TForm1::ReadSystemDecimalSeparator() {
    setDecimalSeparator(QLocale::system().decimalPoint());
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        ReadSystemDecimalSeparator();
    }
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::ReportError(const std::exception& error) {
    reportError_(QString::fromStdString(transcalc::ErrorBoxText(error.what())));
}

void TForm1::FieldTextChanged(transcalc::Field field, const QString& text) {
    design_.SetField(field, text.toStdString());
}

void TForm1::SetFieldText(transcalc::Field field, const std::string& text) {
    FieldEdit(field)->setText(QString::fromStdString(text));
}

void TForm1::ShowFieldTexts() {
    for (const transcalc::FieldInfo& info : transcalc::kFields) {
        SetFieldText(info.field, design_.fields[info.field]);
    }
}

void TForm1::ShowPictures() {
    ui_->BitBtn2->setVisible(design_.cores.ring);
    ui_->BitBtn3->setVisible(design_.cores.shapedE);
    ui_->BitBtn4->setVisible(design_.cores.shapedU);
    ShowFamilyCore();
}

// The dimension fields hold no family core: its texts stand in their place,
// and the heading that asks for dimensions gives way. Hidden, the texts are
// emptied, so that the classic window is what it was before.
void TForm1::ShowFamilyCore() {
    const std::optional<transcalc::CatalogueFamilyCore>& core = design_.familyCore;
    ui_->BitBtnFamilyCore->setVisible(core.has_value());
    ui_->Label15->setVisible(!core);
    QStringList texts(4);
    if (core) {
        const transcalc::FamilyCoreText text =
            transcalc::FamilyCoreTextOf(design_.catalogueCore, *core, separator_);
        texts = {text.name, text.area, text.path,
                 text.bobbin.isEmpty() ? text.window : text.window + u'\n' + text.bobbin};
        ui_->BitBtnFamilyCore->setIcon(
            DeferredIcon(QStringLiteral(":/pictures/%1.svg")
                             .arg(QLatin1String(transcalc::FamilyDrawing(core->core.family)))));
        ShowDimensions({});
    }
    QLabel* const labels[] = {ui_->LabelCoreName, ui_->LabelCoreArea, ui_->LabelCorePath,
                              ui_->LabelCoreWindow};
    // Only a new text costs a new layout: the pictures are shown again and
    // again as the state is restored.
    for (int i = 0; i < 4; ++i) {
        if (labels[i]->text() != texts[i]) {
            labels[i]->setText(texts[i]);
            labels[i]->adjustSize();
        }
        labels[i]->setVisible(core.has_value());
    }
}

// A read error is reported and the window opens all the same, with the lines
// read before it applied; the core layout follows the stored pictures only
// after a whole read.
void TForm1::BitBtn8Click() {
    transcalc::WindowState stored = CaptureState();
    try {
        if (!transcalc::ReadStateFile(stored)) {
            return;
        }
        ApplyState(stored);
        ShowStoredCoreLayout();
    } catch (const std::exception& error) {
        ApplyState(stored);
        ReportError(error);
        return;
    }
    ShowKeptFamilyCore();
}

QLabel* TForm1::LabelNumber(int number) const {
    QLabel* const labels[] = {ui_->Label1,  ui_->Label2,  ui_->Label3,  ui_->Label4, ui_->Label5,
                              ui_->Label6,  ui_->Label7,  ui_->Label8,  ui_->Label9, ui_->Label10,
                              ui_->Label11, ui_->Label12, ui_->Label13, ui_->Label14};
    return labels[number - 1];
}

// A visibility is the control's own setting, not whether it can be seen: a
// label in the hidden results panel is still shown.
transcalc::WindowState TForm1::CaptureState() const {
    transcalc::WindowState state;
    for (const transcalc::FieldInfo& info : transcalc::kFields) {
        const QLineEdit* edit = FieldEdit(info.field);
        state.fieldTexts[transcalc::FieldIndex(info.field)] = edit->text();
        state.fieldsShown[transcalc::FieldIndex(info.field)] = !edit->isHidden();
    }
    for (std::size_t i = 0; i < state.picturesShown.size(); ++i) {
        state.picturesShown[i] = design_.cores.Shows(transcalc::kCoreKinds[i].kind);
    }
    for (int i = 0; i < 4; ++i) {
        state.dimensionCaptionsShown[i] = !LabelNumber(i + 1)->isHidden();
        state.dimensionCaptions[i] = CaptionOf(LabelNumber(i + 1));
    }
    state.mode = design_.mode;
    for (int i = 0; i < 10; ++i) {
        state.captionsShown[i] = !LabelNumber(i + 5)->isHidden();
    }
    for (std::size_t i = 0; i < transcalc::kCaptionLabelNumbers.size(); ++i) {
        state.captions[i] = CaptionOf(LabelNumber(transcalc::kCaptionLabelNumbers[i]));
    }
    state.resultsShown = !ui_->GroupBox1->isHidden();
    return state;
}

void TForm1::ApplyState(const transcalc::WindowState& state) {
    for (const transcalc::FieldInfo& info : transcalc::kFields) {
        QLineEdit* edit = FieldEdit(info.field);
        edit->setText(state.fieldTexts[transcalc::FieldIndex(info.field)]);
        edit->setVisible(state.fieldsShown[transcalc::FieldIndex(info.field)]);
    }
    if (design_.familyCore) {
        design_.ShowNoCore();  // the state file knows the classic pictures alone
    }
    for (std::size_t i = 0; i < state.picturesShown.size(); ++i) {
        design_.cores.Shows(transcalc::kCoreKinds[i].kind) = state.picturesShown[i];
    }
    ShowPictures();
    for (int i = 0; i < 4; ++i) {
        LabelNumber(i + 1)->setVisible(state.dimensionCaptionsShown[i]);
        SetCaption(LabelNumber(i + 1), state.dimensionCaptions[i]);
    }
    design_.mode = state.mode;
    for (int i = 0; i < 10; ++i) {
        LabelNumber(i + 5)->setVisible(state.captionsShown[i]);
    }
    for (std::size_t i = 0; i < transcalc::kCaptionLabelNumbers.size(); ++i) {
        SetCaption(LabelNumber(transcalc::kCaptionLabelNumbers[i]), state.captions[i]);
    }
    ui_->GroupBox1->setVisible(state.resultsShown);
}

// The stored pictures decide the core layout, whatever the file said about
// the dimension fields and their captions.
void TForm1::ShowStoredCoreLayout() {
    transcalc::CorePictures& cores = design_.cores;
    if (cores.ring) {
        cores.shapedE = cores.shapedU = false;
        ShowRingDimensions();
    }
    if (cores.shapedE || cores.shapedU) {
        cores.ring = false;
        ShowShapedDimensions();
    }
    ShowPictures();
}

// The state is written by the close request that this raises.
void TForm1::BitBtn1Click() {
    close();
}

// "Выход" keeps the window when the save fails, with the error box; a close
// by the window system offers a way out, so the window can always be closed.
void TForm1::closeEvent(QCloseEvent* event) {
    try {
        transcalc::WriteStateFile(CaptureState());
        std::optional<transcalc::KeptFamilyCore> kept;
        if (design_.familyCore) {
            kept = {std::string(transcalc::InfoOf(design_.familyCore->core.family).key),
                    design_.catalogueCore};
        }
        transcalc::WriteFamilyCoreFile(kept);
        event->accept();
    } catch (const std::exception& error) {
        const QString text = QString::fromStdString(transcalc::ErrorBoxText(error.what()));
        if (!event->spontaneous()) {
            event->ignore();
            reportError_(text);
            return;
        }
        const QString question =
            tr("Состояние окна не сохранено: %1\nЗакрыть окно без сохранения?").arg(text);
        if (askDiscard_(question)) {
            event->accept();
        } else {
            event->ignore();
        }
    }
}

void TForm1::BitBtn5Click() {
    try {
        ui_->GroupBox1->hide();
        ui_->BitBtn9->hide();
        lastCalculate_.error.reset();
        state_.Mode = design_.mode;
        // A family core runs the classic designs on its A_e and l_e.
        transcalc::Calculate(design_.fields, transcalc::RunCores(design_), state_, *results_,
                             separator_, transcalc::WindowLanguage());
        lastCalculate_.asRead = state_;
        ui_->GroupBox1->show();
        Timer2->start();
    } catch (const std::exception& error) {
        lastCalculate_.error = transcalc::ErrorBoxText(error.what());
        ReportError(error);
    }
}

void TForm1::Timer2Timer() {
    try {
        transcalc::RunResultsPass(transcalc::RunCores(design_), state_, *results_, separator_,
                                  transcalc::WindowLanguage());
    } catch (const std::exception& error) {
        // The error box runs an event loop of its own, in which the pass would tick again.
        Timer2->stop();
        lastCalculate_.error = transcalc::ErrorBoxText(error.what());
        ReportError(error);
    }
}

void TForm1::Timer1Timer() {
    const bool panelShown = !ui_->GroupBox1->isHidden();
    SetCaption(ui_->Label13, design_.mode.empty()
                                 ? QStringLiteral("Введите режим")
                                 : QStringLiteral("Режим ") + QString::fromStdString(design_.mode));
    if (design_.mode != transcalc::kModeFlyback) {
        ui_->Edit12->hide();
        ui_->Label14->hide();
    } else {
        ui_->Edit12->setVisible(!panelShown);
        ui_->Label14->show();
        SetCaption(ui_->Label14, Caption(transcalc::Field::Overshoot));
    }
    if (panelShown && !state_.ResultsPending) {
        Timer2->stop();
    }
}

void TForm1::CopyResults() {
    QGuiApplication::clipboard()->setText(results_->CopiedText());
}

// Every menu command and "Ввод " start here: back to the input state.
void TForm1::ShowInputState() {
    ui_->GroupBox1->hide();
    ui_->BitBtn9->show();
    results_->Clear();
}

// The dimension fields with their captions: three for a ring, whose depth
// field is hidden, four for a shaped core.
void TForm1::ShowDimensions(const QStringList& captions) {
    QLabel* const labels[] = {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4};
    QLineEdit* const edits[] = {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4};
    for (int i = 0; i < 4; ++i) {
        labels[i]->setVisible(i < captions.size());
    }
    for (int i = 0; i < 4; ++i) {
        edits[i]->setVisible(i < captions.size());
    }
    for (int i = 0; i < captions.size(); ++i) {
        SetCaption(labels[i], captions[i]);
    }
}

QStringList TForm1::DimensionCaptions(transcalc::CoreKind kind) {
    const transcalc::CoreKindInfo& info = transcalc::InfoOf(kind);
    QStringList captions;
    for (int i = 0; i < info.dimensionCount; ++i) {
        captions << QString::fromUtf8(info.dimensions[i]);
    }
    return captions;
}

void TForm1::ShowRingDimensions() {
    ShowDimensions(DimensionCaptions(transcalc::CoreKind::Ring));
}

void TForm1::ShowShapedDimensions() {
    ShowDimensions(DimensionCaptions(transcalc::CoreKind::ShapedE));
}

// A core command: its picture alone, the input state and its dimensions.
void TForm1::ShowCore(transcalc::CoreKind kind) {
    ShowInputState();
    design_.ShowCore(kind);
    ShowPictures();
    ShowDimensions(DimensionCaptions(kind));
}

void TForm1::N1Click() {
    ShowCore(transcalc::CoreKind::Ring);
}

void TForm1::N2Click() {
    ShowCore(transcalc::CoreKind::ShapedE);
}

void TForm1::N11Click() {
    ShowCore(transcalc::CoreKind::ShapedU);
}

void TForm1::RunCoreCommand(transcalc::CoreKind kind) {
    switch (kind) {
        case transcalc::CoreKind::Ring:
            N1Click();
            return;
        case transcalc::CoreKind::ShapedE:
            N2Click();
            return;
        case transcalc::CoreKind::ShapedU:
            N11Click();
            return;
    }
}

void TForm1::RunModeCommand(transcalc::WorkMode mode) {
    switch (mode) {
        case transcalc::WorkMode::Choke:
            N3Click();
            return;
        case transcalc::WorkMode::Flyback:
            N4Click();
            return;
        case transcalc::WorkMode::SingleEnded:
            N6Click();
            return;
        case transcalc::WorkMode::PushPull:
            N7Click();
            return;
    }
}

void TForm1::BitBtn7Click() {
    ShowInputState();
    if (design_.cores.ring) {
        ShowRingDimensions();
    }
    if (design_.cores.shapedE || design_.cores.shapedU) {
        ShowShapedDimensions();
    }
}

void TForm1::N3Click() {
    ShowInputState();
    design_.mode = transcalc::kModeChoke;
    ui_->Label6->hide();
    ui_->Label7->hide();
    ui_->Label8->hide();
    ui_->Edit6->hide();
    ui_->Edit7->hide();
    ui_->Edit8->hide();
    ui_->Edit11->show();
    ui_->Label12->show();
    SetCaption(ui_->Label12, Caption(transcalc::Field::ChokeTurns));
}

// The voltage fields with their captions; "Ввести" leaves the caption of the
// pulse or frequency field as it is.
void TForm1::ShowVoltageFields(const std::optional<QString>& pulseCaption) {
    ui_->Label6->show();
    if (pulseCaption) {
        SetCaption(ui_->Label6, *pulseCaption);
    }
    ui_->Label7->show();
    SetCaption(ui_->Label7, Caption(transcalc::Field::VoltageIn));
    ui_->Label8->show();
    SetCaption(ui_->Label8, Caption(transcalc::Field::VoltageOut));
    ui_->Edit6->show();
    ui_->Edit7->show();
    ui_->Edit8->show();
}

// Flyback and forward modes: the choke turns give way to the voltage fields.
void TForm1::ShowTransformerMode(transcalc::WorkMode mode) {
    ShowInputState();
    design_.mode = transcalc::ModeText(mode);
    ui_->Label12->hide();
    ui_->Edit11->hide();
    ShowVoltageFields(QString::fromUtf8(transcalc::InfoOf(mode).timingCaption));
}

void TForm1::N4Click() {
    ShowTransformerMode(transcalc::WorkMode::Flyback);
}

void TForm1::N6Click() {
    ShowTransformerMode(transcalc::WorkMode::SingleEnded);
}

void TForm1::N7Click() {
    ShowTransformerMode(transcalc::WorkMode::PushPull);
}

void TForm1::N13Click() {
    ShowInputState();
    ShowVoltageFields(std::nullopt);
}

// Every field back to the text it was built with.
void TForm1::BitBtn9Click() {
    design_.ClearFields();
    ShowFieldTexts();
}

QLineEdit* TForm1::FieldEdit(transcalc::Field field) const {
    QLineEdit* const edits[] = {ui_->Edit1, ui_->Edit2,  ui_->Edit3,  ui_->Edit4,
                                ui_->Edit5, ui_->Edit6,  ui_->Edit7,  ui_->Edit8,
                                ui_->Edit9, ui_->Edit10, ui_->Edit11, ui_->Edit12};
    static_assert(std::size(edits) == transcalc::kFieldCount);
    return edits[transcalc::FieldIndex(field)];
}

}  // namespace transcalc
