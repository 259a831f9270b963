// A catalogue core of a family beyond ring, Ш and П in the window: its
// drawing and texts in place of the classic pictures and dimension fields,
// "Расчет" on its A_e and l_e, the check, the state file's sidecar, design
// files and the report.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

#include "CheckDialog.h"
#include "CoreCatalogueDialog.h"
#include "DesignFile.h"
#include "MaterialDialog.h"
#include "ReportContent.h"
#include "StateFile.h"
#include "WindingsPanel.h"
#include "WindowFixture.h"

using transcalc::CheckDialog;
using transcalc::CoreCatalogueDialog;
using transcalc::MaterialDialog;

namespace {

const QStringList kClassicPictures = {"BitBtn2", "BitBtn3", "BitBtn4"};
const QStringList kCoreTexts = {"LabelCoreName", "LabelCoreArea", "LabelCorePath",
                                "LabelCoreWindow"};

// The built-in catalogue, in a folder of its own where Exit writes the state.
class FamilyCoreWindowTest : public BuiltinCatalogueWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        BuiltinCatalogueWindowTest::SetUp();
    }
    void TearDown() override {
        BuiltinCatalogueWindowTest::TearDown();
        QDir::setCurrent(previous_);
    }

    // The catalogue dialog's OK on the row of `name`.
    template <typename Dialog = CoreCatalogueDialog>
    void Pick(const QString& name, const char* item = "N1Catalogue") {
        // The dialog closed before goes first, as the event loop would see to.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Find<QAction>(QString::fromLatin1(item))->trigger();
        auto* dialog = form->findChild<Dialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->filter()->setText(name);
        const QList<QTreeWidgetItem*> rows = dialog->list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1) << name.toStdString();
        dialog->list()->setCurrentItem(rows.first());
        dialog->okButton()->click();
    }

    QStringList CoreTexts() const {
        QStringList texts;
        for (const QString& name : kCoreTexts) {
            texts << Find<QLabel>(name)->text();
        }
        return texts;
    }

    // Shown and hidden as a family core has them; the classic view otherwise.
    void ExpectFamilyView(bool family) const {
        EXPECT_EQ(Shown("BitBtnFamilyCore"), family);
        EXPECT_EQ(Shown("Label15"), !family);
        for (const QString& name : kCoreTexts) {
            EXPECT_EQ(Shown(name), family) << name.toStdString();
        }
        if (family) {
            for (const QString& name :
                 kClassicPictures +
                     QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Label1", "Label4"}) {
                EXPECT_FALSE(Shown(name)) << name.toStdString();
            }
        } else {
            EXPECT_EQ(CoreTexts(), QStringList(4));
        }
    }

    std::unique_ptr<TForm1> Restart() {
        auto next = std::make_unique<TForm1>();
        next->setDecimalSeparator(QStringLiteral(","));
        next->setErrorReporter([this](const QString& text) { errors << text; });
        next->BitBtn8Click();
        return next;
    }

    static QByteArray Bytes(const char* name) {
        QFile file(QString::fromLatin1(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static void Store(const char* name, const QByteArray& bytes) {
        QFile file(QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QString PathOf(const QString& name) const { return folder_.filePath(name); }

    void Calculate() {
        form->BitBtn5Click();
        form->Timer2Timer();
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

QImage Drawing(const QIcon& icon) {
    return icon.pixmap(QSize(253, 187)).toImage();
}

// ETD 39/20/13 on its first bobbin, 6.75 by 25.7 mm (its datasheet: A_e
// 125 mm², l_e 92.2 mm); P 26/16 has no bobbin: its bare window is
// (E − F)/2 = (21.6 − 11.3)/2 = 5.15 mm by 2·D = 11.2 mm (A_e 94 mm², l_e
// 37.5 mm).
TEST_F(FamilyCoreWindowTest, ItsDrawingAndTextsStandWhereTheClassicCoresAre) {
    struct Case {
        const char* core;
        const char* drawing;
        QStringList texts;
    };
    const Case cases[] = {
        {"ETD 39/20/13",
         "round-leg-e-core",
         {"ETD 39/20/13", "Ae = 125 мм²", "le = 92,9 мм", "Окно 6,75 × 25,7 мм"}},
        {"P 26/16",
         "pot-core",
         {"P 26/16", "Ae = 95,8 мм²", "le = 37,3 мм", "Окно 5,15 × 11,2 мм\nбез каркаса"}},
    };
    FillRingChoke();
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Pick(c.core));
        ExpectFamilyView(true);
        EXPECT_EQ(CoreTexts(), c.texts) << c.core;
        EXPECT_EQ(Drawing(Find<QPushButton>("BitBtnFamilyCore")->icon()),
                  Drawing(QIcon(QStringLiteral(":/pictures/%1.svg").arg(c.drawing))))
            << c.core;
        EXPECT_EQ(form->CurrentDesign().catalogueCore, c.core);
        EXPECT_EQ(form->CurrentDesign().mode, "Дроссель");
    }
    // Back through the menu or the catalogue, the classic view as it was.
    form->N11Click();
    ExpectFamilyView(false);
    EXPECT_TRUE(Shown("BitBtn4"));
    EXPECT_TRUE(Shown("Edit4"));
    ASSERT_NO_FATAL_FAILURE(Pick("ETD 39/20/13"));
    ASSERT_NO_FATAL_FAILURE(Pick("E 25/13/7"));
    ExpectFamilyView(false);
    EXPECT_TRUE(Shown("BitBtn3"));
    EXPECT_EQ(Edit(4)->text(), "7,2");
    EXPECT_FALSE(form->CurrentDesign().familyCore.has_value());
    EXPECT_TRUE(errors.isEmpty());
}

// "Расчет" in the window gives the command line's lines, the core named
// where a classic core has its kind.
TEST_F(FamilyCoreWindowTest, CalculateGivesTheCommandLinesLines) {
    struct Case {
        const char* core;
        void (TForm1::*mode)();
        std::vector<std::pair<int, const char*>> fields;
        const char* options;
        int headingLine;
    };
    const Case cases[] = {
        {"ETD 39/20/13",
         &TForm1::N7Click,
         {{6, "50"}, {7, "300"}, {8, "12"}, {9, "0,2"}, {10, "2000"}},
         "--mode push-pull --freq 50 --vin 300 --vout 12 --db 0,2 --mu 2000",
         11},
        {"P 26/16",
         &TForm1::N3Click,
         {{5, "0,5"}, {9, "0,3"}, {10, "2000"}, {11, "20"}},
         "--mode choke --gap 0,5 --db 0,3 --mu 2000 --turns 20",
         8},
    };
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Pick(c.core));
        (form.get()->*c.mode)();
        for (const auto& [number, text] : c.fields) {
            Edit(number)->setText(QString::fromUtf8(text));
        }
        Calculate();
        const std::string command = std::string("'") + TRANSCALC_CLI + "' --separator , " +
                                    "--core-name '" + c.core + "' " + c.options;
        QString printed;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
                printed += QString::fromUtf8(buffer, static_cast<qsizetype>(n));
            }
            ::pclose(pipe);
        }
        ASSERT_GT(Lines().size(), c.headingLine) << c.core;
        EXPECT_EQ(Lines().join('\n') + '\n', printed) << c.core;
        EXPECT_EQ(Lines()[c.headingLine], QStringLiteral("Магнитопровод ") + c.core);
    }
    EXPECT_TRUE(errors.isEmpty());
}

// A PQ push-pull of 60 W: the check and its windings take the core's own
// geometry, the windings the bobbin's window.
TEST_F(FamilyCoreWindowTest, TheCheckAndItsWindingsWorkOnTheCore) {
    ASSERT_NO_FATAL_FAILURE(Pick("PQ 26/20"));
    ASSERT_NO_FATAL_FAILURE(Pick<MaterialDialog>("N87", "N13Material"));
    form->N7Click();
    for (const auto& [number, text] : {std::pair{6, "50"}, {7, "300"}, {8, "12"}}) {
        Edit(number)->setText(QString::fromUtf8(text));
    }
    Calculate();
    Find<QPushButton>("BitBtnCheck")->click();
    auto* dialog = form->findChild<CheckDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QDoubleSpinBox*>("checkLoadCurrent")->setValue(5);
    ASSERT_FALSE(dialog->check().nothingToCheck.has_value());
    ASSERT_TRUE(dialog->check().effectiveArea && dialog->check().listArea);
    // The list's cross-section is the core's A_e: the check says so.
    EXPECT_EQ(*dialog->check().effectiveArea, *dialog->check().listArea);
    EXPECT_TRUE(dialog->check().margin.has_value());
    const auto* windings = dialog->findChild<transcalc::WindingsPanel*>("checkWindings");
    ASSERT_NE(windings, nullptr);
    ASSERT_EQ(windings->Rows(), 4);
    EXPECT_EQ(windings->RowTexts(0)[0], "P1");
    EXPECT_EQ(windings->RowTexts(3)[0], "S2");
    EXPECT_EQ(dialog->findChild<QLabel*>("windingsFillNote")->text(),
              "в окне каркаса, без учета изоляции");
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(errors.isEmpty());
}

// Exit keeps the core beside the 53 lines, the next start shows it again;
// back on a classic core the state file is the classic window's, byte for
// byte, and the core is forgotten.
TEST_F(FamilyCoreWindowTest, TheStateFileKeepsTheClassicWindowAndTheCoreLiesBesideIt) {
    FillRingChoke();
    form->BitBtn1Click();
    const QByteArray classic = Bytes(transcalc::kStateFileName);
    ASSERT_EQ(classic.count("\r\n"), 53);
    EXPECT_EQ(Bytes(transcalc::kFamilyCoreFileName), "(none)");

    form = Restart();
    ASSERT_NO_FATAL_FAILURE(Pick("ETD 39/20/13"));
    form->BitBtn1Click();
    EXPECT_EQ(Bytes(transcalc::kStateFileName).count("\r\n"), 53);
    EXPECT_EQ(Bytes(transcalc::kFamilyCoreFileName), "etd\tETD 39/20/13\n");

    form = Restart();
    ExpectFamilyView(true);
    EXPECT_EQ(CoreTexts()[0], "ETD 39/20/13");
    EXPECT_EQ(form->CurrentDesign().mode, "Дроссель");
    EXPECT_EQ(Edit(11)->text(), "20");
    form->N1Click();
    ExpectFamilyView(false);
    form->BitBtn1Click();
    EXPECT_EQ(Bytes(transcalc::kStateFileName), classic);
    EXPECT_EQ(Bytes(transcalc::kFamilyCoreFileName), "");

    form = Restart();
    ExpectFamilyView(false);
    EXPECT_TRUE(Shown("BitBtn2"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
}

// A kept core the catalogue lacks, or that is no core of the family kept,
// leaves the window as the state file put it, with one message.
TEST_F(FamilyCoreWindowTest, AKeptCoreTheCatalogueLacksIsDroppedWithOneMessage) {
    const char* kept[] = {
        "etd\tETD 99/99/99\n",
        "pq\tETD 39/20/13\n",  // the name of another family's core
        "e\tE 25/13/7\n",      // a classic core has no place beside the state file
        "ETD 39/20/13\r\n",    // no family
    };
    const char* names[] = {"ETD 99/99/99", "ETD 39/20/13", "E 25/13/7", "ETD 39/20/13"};
    FillRingChoke();
    form->BitBtn1Click();
    for (std::size_t i = 0; i < std::size(kept); ++i) {
        Store(transcalc::kFamilyCoreFileName, kept[i]);
        errors.clear();
        form = Restart();
        EXPECT_EQ(errors, QStringList{QStringLiteral("Сердечника \"%1\", показанного при выходе, "
                                                     "нет в каталоге: окно открыто без него.")
                                          .arg(names[i])})
            << kept[i];
        ExpectFamilyView(false);
        EXPECT_TRUE(Shown("BitBtn2")) << kept[i];
    }
    // A folder by the file's name is no file of the window's: reported once,
    // left alone at Exit.
    ASSERT_TRUE(QFile::remove(QString::fromLatin1(transcalc::kFamilyCoreFileName)));
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(transcalc::kFamilyCoreFileName)));
    errors.clear();
    form = Restart();
    EXPECT_EQ(errors, QStringList{"File access denied."});
    form->BitBtn1Click();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(QFileInfo(QString::fromLatin1(transcalc::kFamilyCoreFileName)).isDir());
}

// A PQ design file opens with its drawing, saves as it came and prints its
// core's rows and results. PQ 26/20: A_e 119 mm², l_e 46.3 mm by its
// datasheet, on a bobbin 3.695 by 8.99 mm.
TEST_F(FamilyCoreWindowTest, APqDesignFileOpensSavesAndPrints) {
    transcalc::Design design;
    design.ShowFamilyCore("PQ 26/20",
                          {transcalc::FamilyCore{transcalc::CoreFamily::Pq, "", {}}, std::nullopt});
    design.mode = "Двухтактный";
    design.fields[transcalc::Field::FrequencyOrPulse] = "50";
    design.fields[transcalc::Field::VoltageIn] = "300";
    design.fields[transcalc::Field::VoltageOut] = "12";
    design.fields[transcalc::Field::Permeability] = "2000";
    design.fields[transcalc::Field::SatInduction] = "0,2";
    const QString path = PathOf(QStringLiteral("pq.transcalc"));
    transcalc::SaveDesign(design, QFile::encodeName(path).toStdString());

    form->OpenDesign(path);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
    ExpectFamilyView(true);
    EXPECT_EQ(CoreTexts(),
              (QStringList{"PQ 26/20", "Ae = 120 мм²", "le = 45,8 мм", "Окно 3,69 × 8,99 мм"}));

    const QString copy = PathOf(QStringLiteral("copy.transcalc"));
    form->setFileChooser([&](TForm1::FileKind, const QString&) { return copy; });
    form->SaveDesignAs();
    const transcalc::Design saved = transcalc::LoadDesign(QFile::encodeName(copy).toStdString());
    EXPECT_EQ(saved.catalogueCore, "PQ 26/20");
    ASSERT_TRUE(saved.familyCore.has_value());
    EXPECT_EQ(saved.familyCore->core.family, transcalc::CoreFamily::Pq);

    Calculate();
    const transcalc::ReportContent report = form->CurrentReport();
    EXPECT_EQ(report.family, transcalc::CoreFamily::Pq);
    EXPECT_EQ(report.core, std::nullopt);
    ASSERT_EQ(report.dimensions.size(), 4U);
    EXPECT_EQ(report.dimensions[1].caption, "Сечение Ae, мм²");
    EXPECT_EQ(report.dimensions[1].text, "120");
    EXPECT_EQ(report.dimensions[3].text, "3,69 × 8,99");
    QStringList printed;
    for (const std::string& line : report.results) {
        printed << QString::fromStdString(line);
    }
    EXPECT_EQ(printed, Lines());
    EXPECT_EQ(report.results[11], "Магнитопровод PQ 26/20");
    const QString pdf = PathOf(QStringLiteral("pq.pdf"));
    form->setFileChooser([&](TForm1::FileKind, const QString&) { return pdf; });
    form->SaveReportAsPdf();
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
}

}  // namespace
