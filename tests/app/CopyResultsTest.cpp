#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QtTest/QTest>

#include "WindowFixture.h"

namespace {

class CopyResultsTest : public WindowTest {
protected:
    QAction* Copy() const { return Find<QAction>(QStringLiteral("ListBox1Copy")); }

    void CalculateRingChoke() {
        FillRingChoke();
        form->BitBtn5Click();
        form->Timer2Timer();
    }
};

TEST_F(CopyResultsTest, IsOfferedByCtrlCAndTheContextMenu) {
    EXPECT_EQ(Copy()->text(), QStringLiteral("Копировать"));
    EXPECT_EQ(Copy()->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(Copy()->shortcutContext(), Qt::WidgetShortcut);
    EXPECT_TRUE(List()->actions().contains(Copy()));
    EXPECT_EQ(List()->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(CopyResultsTest, CopiesEveryLineWhenNoneIsSelected) {
    CalculateRingChoke();
    Copy()->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, Lines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_TRUE(copied.endsWith(
        QStringLiteral("Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?\n")));
}

TEST_F(CopyResultsTest, CopiesTheSelectedLinesInListOrder) {
    CalculateRingChoke();
    List()->setSelectionMode(QAbstractItemView::MultiSelection);
    List()->item(9)->setSelected(true);
    List()->item(1)->setSelected(true);
    Copy()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Сечение=0,5 см2\nПрониц с зазором=90\n"));
}

}  // namespace
