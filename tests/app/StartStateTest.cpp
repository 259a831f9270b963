#include <QAction>
#include <QFontInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ApplicationTitle.h"
#include "WindowFixture.h"

using transcalc::ApplicationTitle;

namespace {

TEST_F(WindowTest, StartsWithTheInputFieldsOfNoCoreAndNoMode) {
    const QStringList shown = {"Label5",  "Label9",  "Label10", "Label11", "Label13", "Label14",
                               "Label15", "Edit5",   "Edit9",   "Edit10",  "BitBtn1", "BitBtn5",
                               "BitBtn9", "BitBtn6", "BitBtn7", "ListBox1"};
    const QStringList hidden = {"Label1",  "Label2",  "Label3",   "Label4", "Label6", "Label7",
                                "Label8",  "Label12", "Edit1",    "Edit2",  "Edit3",  "Edit4",
                                "Edit6",   "Edit7",   "Edit8",    "Edit11", "Edit12", "BitBtn2",
                                "BitBtn3", "BitBtn4", "GroupBox1"};
    for (const QString& name : shown) {
        EXPECT_TRUE(Shown(name)) << name.toStdString();
    }
    for (const QString& name : hidden) {
        EXPECT_FALSE(Shown(name)) << name.toStdString();
    }
    EXPECT_EQ(Edit(5)->text(), "0");
    for (int number : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}) {
        EXPECT_TRUE(Edit(number)->text().isEmpty()) << number;
    }
    EXPECT_EQ(Lines(), QStringList({"Для  начала  работы", "Нажмите ввод. "}));
    EXPECT_EQ(form->CurrentDesign().mode, "");
}

TEST_F(WindowTest, CarriesTheDesignCaptions) {
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", ""},
        {"Label2", "l"},
        {"Label8", "l"},
        {"Label5", "Зазор сердечника"},
        {"Label9", "dB - Индукция насыщения"},
        {"Label11", "Проницаемость"},
        {"Label15", "Ввод размеров в ММ"},
        {"Label10", "Введены параметры"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QLabel>(name)->text(), QString::fromUtf8(caption)) << name;
    }
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtn1", "Выход"}, {"BitBtn5", "Расчет"}, {"BitBtn9", "Очистить"},
        {"BitBtn6", "Выход"}, {"BitBtn7", "Ввод "},  {"BitBtn2", ""},
    };
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(Find<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(form->windowTitle(), "Расчет трансформатора от zentu");
}

TEST_F(WindowTest, HasAFixedClientAreaAtItsDesignedPlace) {
    EXPECT_EQ(form->centralWidget()->size(), QSize(605, 476));
    form->adjustSize();
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->pos(), QPoint(308, 128));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(WindowTest, PlacesControlsAsDesigned) {
    const std::pair<const char*, QRect> places[] = {
        {"Edit1", {400, 112, 121, 21}},  {"Edit5", {376, 80, 89, 21}},
        {"Edit12", {56, 216, 89, 21}},   {"BitBtn2", {-8, 8, 257, 193}},
        {"BitBtn9", {472, 376, 89, 25}}, {"GroupBox1", {0, 8, 601, 465}},
        {"ListBox1", {8, 32, 425, 425}}, {"BitBtn7", {480, 32, 75, 25}},
    };
    for (const auto& [name, rect] : places) {
        EXPECT_EQ(Widget(name)->geometry(), rect) << name;
    }
    EXPECT_EQ(Label(13)->pos(), QPoint(288, 8));
    EXPECT_EQ(Label(10)->pos(), QPoint(40, 8));
    EXPECT_EQ(Find<QPushButton>("BitBtn3")->iconSize(), QSize(253, 187));
    EXPECT_FALSE(Find<QPushButton>("BitBtn4")->icon().isNull());
}

// The core pictures are read only when first drawn; drawn, each is its
// drawing, and the window's icon is the 48-pixel rendering of its SVG.
TEST_F(WindowTest, DrawsEachCorePictureFromItsDrawing) {
    const std::pair<const char*, const char*> pictures[] = {
        {"BitBtn2", "ring"}, {"BitBtn3", "e-core"}, {"BitBtn4", "u-core"}};
    for (const auto& [button, drawing] : pictures) {
        const QSize size = Find<QPushButton>(button)->iconSize();
        EXPECT_EQ(Find<QPushButton>(button)->icon().pixmap(size).toImage(),
                  QIcon(QStringLiteral(":/pictures/%1.svg").arg(drawing)).pixmap(size).toImage())
            << button;
    }
    EXPECT_EQ(form->windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
}

struct FontCase {
    const char* control;
    const char* family;
    int pixels;
    bool bold;
    bool italic;
    QColor colour;  // of the text role the control draws with
};

QColor TextColour(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget)) {
        return widget->palette().color(QPalette::ButtonText);
    }
    return widget->palette().color(QPalette::WindowText);
}

TEST_F(WindowTest, UsesTheDesignFontsInPixelHeights) {
    const QColor navy(0, 0, 128);
    const QColor windowText = form->palette().color(QPalette::WindowText);
    const FontCase cases[] = {
        {"Form1", "MS Sans Serif", 11, false, false, windowText},
        {"Edit3", "MS Sans Serif", 11, false, false, windowText},
        {"Label1", "Times New Roman", 16, true, false, navy},
        {"Label14", "Times New Roman", 16, true, false, navy},
        {"Label5", "Times New Roman", 16, true, false, Qt::black},
        {"Label13", "Times New Roman", 16, true, true, windowText},
        {"Label15", "MS Sans Serif", 16, false, true, QColor(128, 0, 128)},
        {"Label10", "Times New Roman", 13, true, false, windowText},
        {"BitBtn1", "MS Sans Serif", 16, true, false, Qt::red},
        {"BitBtn5", "MS Sans Serif", 16, true, false, windowText},
        {"BitBtn6", "Times New Roman", 13, true, false, Qt::red},
        {"BitBtn7", "Times New Roman", 13, true, false, windowText},
        {"ListBox1", "Times New Roman", 13, true, false, windowText},
    };
    for (const FontCase& expected : cases) {
        QWidget* widget =
            expected.control == QStringLiteral("Form1") ? form.get() : Widget(expected.control);
        const QFont font = widget->font();
        // The designed family, or its stand-in where it is not installed.
        EXPECT_EQ(QFontInfo(font).family(),
                  QFontInfo(QFont(QString::fromLatin1(expected.family))).family())
            << expected.control;
        EXPECT_EQ(font.pixelSize(), expected.pixels) << expected.control;
        EXPECT_EQ(font.bold(), expected.bold) << expected.control;
        EXPECT_EQ(font.italic(), expected.italic) << expected.control;
        EXPECT_EQ(TextColour(widget), expected.colour) << expected.control;
    }
    EXPECT_EQ(List()->palette().color(QPalette::Base), QColor(0xFF, 0xFB, 0xF0));
}

TEST_F(WindowTest, LabelsSizeThemselvesToTheirCaptions) {
    for (QLabel* label : form->findChildren<QLabel*>()) {
        EXPECT_EQ(label->size(), label->sizeHint()) << label->objectName().toStdString();
    }
}

TEST_F(WindowTest, StacksTheResultsPanelUnderTheOvershootFieldOnly) {
    const QStringList order = {"BitBtn1", "BitBtn2", "BitBtn3",   "BitBtn4", "Edit1",
                               "Edit2",   "Edit3",   "Edit4",     "Edit5",   "BitBtn5",
                               "Edit6",   "Edit7",   "Edit8",     "Edit9",   "Edit10",
                               "Edit11",  "BitBtn9", "GroupBox1", "Edit12"};
    QStringList stacked;
    int lastLabel = -1;
    const QObjectList children = form->centralWidget()->children();
    for (int index = 0; index < children.size(); ++index) {
        const QString name = children[index]->objectName();
        if (name.startsWith("Label")) {
            lastLabel = index;
        } else if (order.contains(name)) {
            EXPECT_GT(index, lastLabel) << "labels lie under " << name.toStdString();
            stacked << name;
        }
    }
    EXPECT_EQ(stacked, order);
}

TEST_F(WindowTest, TabsThroughTheControlsInDesignOrder) {
    const QStringList order = {"BitBtn1",  "BitBtn2", "BitBtn3", "BitBtn4", "Edit1",   "Edit2",
                               "Edit3",    "Edit4",   "Edit5",   "BitBtn5", "Edit6",   "Edit7",
                               "Edit8",    "Edit9",   "Edit10",  "Edit11",  "BitBtn9", "BitBtn6",
                               "ListBox1", "BitBtn7", "Edit12"};
    QStringList chain;
    QWidget* widget = Widget("BitBtn1");
    do {
        if (order.contains(widget->objectName())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != Widget("BitBtn1"));
    EXPECT_EQ(chain, order);
}

QStringList ActionNames(const QWidget* holder) {
    QStringList names;
    for (const QAction* action : holder->actions()) {
        names << action->objectName() + ":" + action->text();
    }
    return names;
}

TEST_F(WindowTest, HasTheDesignMenuTree) {
    EXPECT_EQ(ActionNames(form->menuBar()),
              QStringList({"N111:Вид сердечника", "H1:Режим", "N12:Параметры"}));
    EXPECT_EQ(
        ActionNames(Find<QMenu>("N111")),
        QStringList({"N1:Кольцо", "N2:Ш Образный", "N11:П Образный", "N1Catalogue:Из каталога…"}));
    EXPECT_EQ(ActionNames(Find<QMenu>("H1")),
              QStringList({"N3:Дроссель", "N4:Обратноходовой", "N5:Прямоходовой"}));
    EXPECT_EQ(ActionNames(Find<QMenu>("N5")), QStringList({"N6:Однотактный", "N7:Двухтактный"}));
    EXPECT_EQ(
        ActionNames(Find<QMenu>("N12")),
        QStringList({"N13:Ввести", "N13Material:Материал…", "N13Adviser:Подбор сердечника…", ":",
                     "N13Open:Открыть расчет…", "N13Save:Сохранить расчет…", "N13Report:Отчет…",
                     "N13Print:Печать…", ":", "N13Language:Language / Язык"}));
    EXPECT_EQ(ActionNames(Find<QMenu>("N13Language")),
              QStringList({"N13Russian:Русский", "N13English:English"}));
    // Only the design file commands have shortcuts, only the languages are a choice.
    const QStringList choices = {"N13Russian", "N13English"};
    const QStringList shortcuts = {"N13Open:Ctrl+O", "N13Save:Ctrl+S", "N13Print:Ctrl+P"};
    for (const QMenu* menu : form->menuBar()->findChildren<QMenu*>()) {
        for (const QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (!action->shortcut().isEmpty()) {
                EXPECT_TRUE(shortcuts.contains(name + ":" + action->shortcut().toString()))
                    << name.toStdString();
            }
            EXPECT_EQ(action->isCheckable(), choices.contains(name)) << name.toStdString();
        }
    }
}

TEST_F(WindowTest, RunsTheStatusTickAndNotTheResultsTimer) {
    const auto* statusTimer = Find<QTimer>("Timer1");
    const auto* resultsTimer = Find<QTimer>("Timer2");
    EXPECT_TRUE(statusTimer->isActive());
    EXPECT_EQ(statusTimer->interval(), 10);
    EXPECT_FALSE(resultsTimer->isActive());
    EXPECT_EQ(resultsTimer->interval(), 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Label(13)->text() == "Введите режим"; }, 1000));
    EXPECT_FALSE(Shown("Label14"));
}

TEST_F(WindowTest, AMenuClickRunsItsCommand) {
    Find<QAction>("N11")->trigger();
    EXPECT_TRUE(Shown("BitBtn4"));
    Find<QAction>("N7")->trigger();
    EXPECT_EQ(form->CurrentDesign().mode, "Двухтактный");
    QTest::mouseClick(Find<QPushButton>("BitBtn9"), Qt::LeftButton);
    EXPECT_EQ(Edit(5)->text(), "0");
}

TEST(ApplicationTitleTest, IsTheProgramNameUpToItsFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/transcalc", "transcalc"},
        {"/opt/TransCalc.bin.old", "Transcalc"},
        {"PROGRAM", "Program"},
        {"/x/.hidden", ""},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(ApplicationTitle(path), title) << path;
    }
}

}  // namespace
