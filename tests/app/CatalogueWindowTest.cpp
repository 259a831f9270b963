#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Catalogue.h"
#include "CoreCatalogueDialog.h"
#include "DesignFile.h"
#include "MaterialDialog.h"
#include "ReportContent.h"
#include "WindowFixture.h"

using transcalc::CatalogueDialog;
using transcalc::CoreCatalogueDialog;
using transcalc::MaterialDialog;

namespace {

namespace fs = std::filesystem;

// The window with a user data folder of its own, empty unless a test writes
// a catalogue file into it.
class CatalogueWindowTest : public WindowTest {
protected:
    void SetUp() override {
        dataHome = fs::temp_directory_path() / ("transcalc-window-catalogue-" +
                                                std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dataHome);
        fs::create_directories(dataHome / "transcalc");
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        WindowTest::SetUp();
    }
    void TearDown() override {
        form.reset();
        unsetenv("XDG_DATA_HOME");
        fs::remove_all(dataHome);
    }

    template <typename Dialog>
    Dialog* Open(const char* action) {
        Find<QAction>(action)->trigger();
        return form->findChild<Dialog*>();
    }

    // Chooses the row of `name` through the filter, as a user would.
    static void Choose(CatalogueDialog& dialog, const QString& name) {
        dialog.filter()->setText(name);
        const QList<QTreeWidgetItem*> rows = dialog.list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1) << name.toStdString();
        dialog.list()->setCurrentItem(rows.first());
    }

    static QStringList ShownNames(const CatalogueDialog& dialog) {
        QStringList names;
        for (int row = 0; row < dialog.list()->topLevelItemCount(); ++row) {
            if (!dialog.list()->topLevelItem(row)->isHidden()) {
                names << dialog.list()->topLevelItem(row)->text(0);
            }
        }
        return names;
    }

    QStringList Fields() const {
        QStringList texts;
        for (int number = 1; number <= 12; ++number) {
            texts << Edit(number)->text();
        }
        return texts;
    }

    fs::path dataHome;
};

TEST_F(CatalogueWindowTest, CoreDialogListsTheWindowsKindFirstAndFilters) {
    form->N2Click();
    CoreCatalogueDialog* dialog = Open<CoreCatalogueDialog>("N1Catalogue");
    ASSERT_NE(dialog, nullptr);
    for (const char* name :
         {"CoreCatalogueDialog", "CoreCatalogueFilter", "CoreCatalogueList", "CoreCatalogueOk",
          "CoreCatalogueCancel", "CoreCatalogueButtons", "CoreCatalogueFilterLabel"}) {
        EXPECT_NE(dialog->objectName() == name ? dialog : dialog->findChild<QWidget*>(name),
                  nullptr)
            << name;
    }
    QTreeWidget* list = dialog->list();
    EXPECT_EQ(list->topLevelItemCount(), 889);
    const QTreeWidgetItem* first = list->topLevelItem(0);
    QStringList columns;
    for (int column = 0; column < 6; ++column) {
        columns << first->text(column);
    }
    // E 4: A 4.35, B 1.5, C 1.35, F 1.15 mm
    EXPECT_EQ(columns, (QStringList{"E 4", "Ш Образный", "1,5", "4,35", "1,15", "1,35"}));
    EXPECT_EQ(list->topLevelItem(94)->text(1), "Кольцо");

    dialog->filter()->setText("25/13");  // the other families after ring, Ш and П
    EXPECT_EQ(ShownNames(*dialog), (QStringList{"E 25/13/7", "E 25/13/11", "EFD 25/13/9"}));
    EXPECT_EQ(dialog->chosenCore()->name, "E 25/13/7");
    dialog->filter()->setText("no such core");
    EXPECT_TRUE(ShownNames(*dialog).isEmpty());
    EXPECT_EQ(dialog->chosenCore(), nullptr);
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    dialog->reject();
}

TEST_F(CatalogueWindowTest, OkOnACoreRunsItsMenuItemAndFillsTheDimensions) {
    form->N1Click();
    form->N3Click();
    CoreCatalogueDialog* dialog = Open<CoreCatalogueDialog>("N1Catalogue");
    ASSERT_NE(dialog, nullptr);
    ASSERT_NO_FATAL_FAILURE(Choose(*dialog, "U 10/8/3"));
    dialog->okButton()->click();
    EXPECT_TRUE(Shown("BitBtn4"));
    EXPECT_FALSE(Shown("BitBtn2"));
    EXPECT_TRUE(Shown("Edit4"));
    EXPECT_EQ(Fields().mid(0, 4), (QStringList{"8,2", "9,9", "2,88", "2,85"}));
    EXPECT_EQ(form->CurrentDesign().catalogueCore, "U 10/8/3");
    EXPECT_EQ(form->CurrentDesign().mode, "Дроссель");
}

TEST_F(CatalogueWindowTest, OkOnAMaterialSetsPermeabilityAndSaturation) {
    MaterialDialog* dialog = Open<MaterialDialog>("N13Material");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->list()->topLevelItemCount(), 309);
    dialog->filter()->setText("tdk");  // the maker counts as well as the name
    EXPECT_EQ(ShownNames(*dialog).size(), 31);
    ASSERT_NO_FATAL_FAILURE(Choose(*dialog, "N87"));
    // The list shows the saturation cold and warm beside the working flux.
    const QTreeWidgetItem* row = dialog->list()->currentItem();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(4), "0,495");
    EXPECT_EQ(row->text(5), "0,39");
    EXPECT_EQ(row->text(6), "0,312");
    EXPECT_EQ(dialog->preview()->text(),
              "Проницаемость: 2309      dB - Индукция насыщения: 0,312 Тл (0,8 · Bнас при "
              "100 °C)\nBнас: 0,495 Тл при 25 °C, 0,39 Тл при 100 °C");
    dialog->okButton()->click();
    EXPECT_EQ(Edit(10)->text(), "2309");
    EXPECT_EQ(Edit(9)->text(), "0,312");
    EXPECT_EQ(form->CurrentDesign().material, "N87");
}

// The family box narrows the list, the filter finds a core by an alias, and
// a core of a family the fields cannot hold says what the window will show
// of it in their place.
TEST_F(CatalogueWindowTest, ACoreOfAnotherFamilyIsListedWithWhatTheWindowShows) {
    FillRingChoke();
    const QStringList before = Fields();
    CoreCatalogueDialog* dialog = Open<CoreCatalogueDialog>("N1Catalogue");
    ASSERT_NE(dialog, nullptr);
    QComboBox* family = dialog->findChild<QComboBox*>("CoreCatalogueFamily");
    ASSERT_EQ(family, dialog->familyBox());
    EXPECT_EQ(family->count(), 24);
    EXPECT_EQ(family->itemText(0), "все");
    EXPECT_EQ(family->itemText(2), "Ш (E)");
    family->setCurrentIndex(family->findText("ETD"));
    EXPECT_EQ(ShownNames(*dialog).size(), 9);
    dialog->filter()->setText("etd 39");
    EXPECT_EQ(ShownNames(*dialog), QStringList{"ETD 39/20/13"});
    const QTreeWidgetItem* row = dialog->list()->currentItem();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ((QStringList{row->text(1), row->text(2), row->text(5)}),
              (QStringList{"ETD", "", ""}));
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    // The first bobbin of the catalogue's line, 6.75 by 25.7 mm.
    EXPECT_EQ(dialog->status()->text(), "ETD · Ae = 125 мм² · le = 92,9 мм · Окно 6,75 × 25,7 мм");

    family->setCurrentIndex(0);
    dialog->filter()->setText("EF 25");  // an alias of E 25/13/7
    EXPECT_EQ(ShownNames(*dialog), QStringList{"E 25/13/7"});
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    EXPECT_EQ(dialog->status()->text(), "");
    dialog->reject();
    EXPECT_EQ(Fields(), before);
    EXPECT_EQ(form->CurrentDesign().catalogueCore, "");
}

TEST_F(CatalogueWindowTest, CancelChangesNothing) {
    FillRingChoke();
    const QStringList before = Fields();
    auto* core = Open<CoreCatalogueDialog>("N1Catalogue");
    ASSERT_NO_FATAL_FAILURE(Choose(*core, "E 25/13/7"));
    core->reject();
    auto* material = Open<MaterialDialog>("N13Material");
    ASSERT_NO_FATAL_FAILURE(Choose(*material, "N87"));
    material->reject();
    EXPECT_EQ(Fields(), before);
    EXPECT_TRUE(Shown("BitBtn2"));
    EXPECT_EQ(form->CurrentDesign().catalogueCore, "");
    EXPECT_EQ(form->CurrentDesign().material, "");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(CatalogueWindowTest, UserFileProblemsAreReportedOnceWhenFirstRead) {
    std::ofstream(dataHome / "transcalc" / "cores.tsv")
        << "Мой Ш\te\tA=30\tB=15\tC=10\tF=8\nbroken line\n";
    EXPECT_TRUE(errors.isEmpty());  // nothing read at start
    Open<CoreCatalogueDialog>("N1Catalogue")->reject();
    Open<MaterialDialog>("N13Material")->reject();
    const std::string file = (dataHome / "transcalc" / "cores.tsv").string();
    EXPECT_EQ(errors, QStringList{QString::fromStdString(
                          file + ":2: expected a name, a kind and dimensions, separated by tabs")});
    auto* dialog = Open<CoreCatalogueDialog>("N1Catalogue");
    ASSERT_NO_FATAL_FAILURE(Choose(*dialog, "Мой Ш"));
    dialog->okButton()->click();
    EXPECT_EQ(Fields().mid(0, 4), (QStringList{"15", "30", "8", "10"}));
    EXPECT_EQ(errors.size(), 1);
}

// A file of many bad lines lists the first twenty and counts the rest, in a
// box that scrolls and fits the screen.
TEST_F(CatalogueWindowTest, ManyProblemsAreListedTwentyAtMostInABoxThatFits) {
    {
        std::ofstream cores(dataHome / "transcalc" / "cores.tsv");
        for (int i = 0; i < 150; ++i) {
            cores << "R " << i << "\tring\tA=10\tB=20\tC=5\n";
        }
    }
    const std::string file = (dataHome / "transcalc" / "cores.tsv").string();
    Open<CoreCatalogueDialog>("N1Catalogue")->reject();
    ASSERT_EQ(errors.size(), 1);
    const QStringList lines = errors[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0].toStdString(),
              file + ":1: the inner diameter B must be smaller than the outer diameter A");
    EXPECT_EQ(lines[19].toStdString(),
              file + ":20: the inner diameter B must be smaller than the outer diameter A");
    EXPECT_EQ(lines[20], QStringLiteral("… and 130 more"));

    // The window's own box, not the record of the fixture.
    form = std::make_unique<TForm1>();
    QRect box;
    QRect screen;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        box = dialog->frameGeometry();
        screen = dialog->screen()->availableGeometry();
        if (auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("LongErrorText"))) {
            shown = text->toPlainText();
        }
        dialog->accept();
    });
    Open<CoreCatalogueDialog>("N1Catalogue")->reject();
    EXPECT_EQ(shown, errors[0]);
    EXPECT_LE(box.height(), screen.height());
    EXPECT_LE(box.width(), screen.width());
}

// A user picks E 25/13/7 and N87, types the rest and presses "Расчет": the
// results are those of typing the catalogue's numbers by hand.
TEST_F(CatalogueWindowTest, CatalogueChoicesCalculateLikeTypedNumbers) {
    auto calculate = [this] {
        form->N3Click();
        Edit(5)->setText("0,2");
        Edit(11)->setText("20");
        Find<QPushButton>("BitBtn5")->click();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !Find<QTimer>("Timer2")->isActive(); }, 2000));
        return Lines();
    };
    auto* core = Open<CoreCatalogueDialog>("N1Catalogue");
    ASSERT_NO_FATAL_FAILURE(Choose(*core, "E 25/13/7"));
    core->okButton()->click();
    auto* material = Open<MaterialDialog>("N13Material");
    ASSERT_NO_FATAL_FAILURE(Choose(*material, "N87"));
    material->okButton()->click();
    const QStringList fromCatalogue = calculate();

    form = std::make_unique<TForm1>();
    form->setDecimalSeparator(QStringLiteral(","));
    form->setErrorReporter([this](const QString& text) { errors << text; });
    form->N2Click();
    const std::pair<int, const char*> typed[] = {{1, "12,55"}, {2, "25,05"}, {3, "7,25"},
                                                 {4, "7,2"},   {9, "0,312"}, {10, "2309"}};
    for (const auto& [number, text] : typed) {
        Edit(number)->setText(QString::fromUtf8(text));
    }
    EXPECT_EQ(calculate(), fromCatalogue);
    EXPECT_EQ(fromCatalogue.mid(0, 5),
              (QStringList{"Зазор=0,2 мм", "Сечение=0,522 см2", "Длина магнитной линии=5,35 см",
                           "Проницаемость=2309", "dB инд. нассыщения=0,312"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
}

}  // namespace

// A catalogue core's name goes with the core: another kind, "Очистить" or a
// typed dimension leave the user's own core, and the saved design, its
// reloaded copy and the report no longer name it.
TEST_F(CatalogueWindowTest, TheCatalogueNameLeavesWithItsCore) {
    const fs::path path = dataHome / "design.transcalc";
    form->setFileChooser(
        [&](TForm1::FileKind, const QString&) { return QString::fromStdString(path.string()); });
    struct Case {
        const char* change;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"the ring", [&] { form->N1Click(); }},
        {"Очистить", [&] { form->BitBtn9Click(); }},
        {"a typed dimension", [&] { QTest::keyClicks(Edit(3), "1"); }},
    };
    for (const Case& c : cases) {
        CoreCatalogueDialog* dialog = Open<CoreCatalogueDialog>("N1Catalogue");
        ASSERT_NE(dialog, nullptr);
        ASSERT_NO_FATAL_FAILURE(Choose(*dialog, "E 25/13/7"));
        dialog->okButton()->click();
        form->N2Click();  // the same kind and a mode keep the core
        form->N7Click();
        ASSERT_EQ(form->CurrentDesign().catalogueCore, "E 25/13/7") << c.change;

        c.act();
        form->SaveDesignAs();
        EXPECT_EQ(transcalc::LoadDesign(path).catalogueCore, "") << c.change;
        EXPECT_EQ(form->CurrentReport().catalogueCore, "") << c.change;
    }
    EXPECT_TRUE(errors.isEmpty());
}
