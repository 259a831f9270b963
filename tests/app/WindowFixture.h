#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "L_C.h"

using transcalc::TForm1;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A fresh main window per test, with the comma as decimal separator and the
// error box replaced by a record of the texts it would have shown.
class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->setDecimalSeparator(QStringLiteral(","));
        form->setErrorReporter([this](const QString& text) { errors << text; });
    }

    template <typename Control>
    Control* Find(const QString& name) const {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    QWidget* Widget(const QString& name) const { return Find<QWidget>(name); }
    QLabel* Label(int number) const { return Find<QLabel>(QStringLiteral("Label%1").arg(number)); }
    QLineEdit* Edit(int number) const {
        return Find<QLineEdit>(QStringLiteral("Edit%1").arg(number));
    }
    QListWidget* List() const { return Find<QListWidget>(QStringLiteral("ListBox1")); }

    bool Shown(const QString& name) const { return !Widget(name)->isHidden(); }

    QStringList Lines() const {
        QStringList lines;
        for (int row = 0; row < List()->count(); ++row) {
            lines << List()->item(row)->text();
        }
        return lines;
    }

    // A ring choke: 20/10/10 mm, gap 0.5 mm, permeability 2000, dB 0.3 T, 20 turns.
    void FillRingChoke() {
        form->N1Click();
        form->N3Click();
        const std::pair<int, const char*> texts[] = {
            {1, "20"}, {2, "10"}, {3, "10"}, {5, "0.5"}, {9, "0,3"}, {10, "2000"}, {11, "20"}};
        for (const auto& [number, text] : texts) {
            Edit(number)->setText(QString::fromUtf8(text));
        }
    }

    std::unique_ptr<TForm1> form;
    QStringList errors;
};

// The window with an empty user catalogue, so that only the built-in one
// counts.
class BuiltinCatalogueWindowTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        setenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()).constData(), 1);
        WindowTest::SetUp();
    }
    void TearDown() override {
        form.reset();
        unsetenv("XDG_DATA_HOME");
    }

private:
    QTemporaryDir dataHome_;
};
