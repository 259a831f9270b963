#include "DesignForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace transcalc::testing {

namespace {

struct DesignControl {
    const char* name;
    const char* text;  // field text, caption or button caption
    bool visible;
};

// Every control left visible is never shown explicitly, as in the window:
// the writer must still see Label10 in the hidden panel as visible.
constexpr DesignControl kFields[] = {
    {"Edit1", "", false}, {"Edit2", "", false}, {"Edit3", "", false},  {"Edit4", "", false},
    {"Edit5", "0", true}, {"Edit6", "", false}, {"Edit7", "", false},  {"Edit8", "", false},
    {"Edit9", "", true},  {"Edit10", "", true}, {"Edit11", "", false}, {"Edit12", "", false},
};

constexpr DesignControl kLabels[] = {
    {"Label1", "", false},
    {"Label2", "l", false},
    {"Label3", "l", false},
    {"Label4", "l", false},
    {"Label5", "Зазор сердечника", true},
    {"Label6", "l", false},
    {"Label7", "l", false},
    {"Label8", "l", false},
    {"Label9", "dB - Индукция насыщения", true},
    {"Label11", "Проницаемость", true},
    {"Label12", "", false},
    {"Label13", "", true},
    {"Label14", "", true},
    {"Label15", "Ввод размеров в ММ", true},
};

constexpr DesignControl kButtons[] = {
    {"BitBtn1", "Выход", true}, {"BitBtn2", "", false},      {"BitBtn3", "", false},
    {"BitBtn4", "", false},     {"BitBtn5", "Расчет", true}, {"BitBtn9", "Очистить", true},
};

template <typename Control>
void Add(QWidget& parent, const DesignControl& design) {
    auto* control = new Control(QString::fromUtf8(design.text), &parent);
    control->setObjectName(QString::fromLatin1(design.name));
    if (!design.visible) {
        control->setVisible(false);
    }
}

}  // namespace

std::unique_ptr<QWidget> BuildDesignForm() {
    auto form = std::make_unique<QWidget>();
    form->setObjectName(QStringLiteral("Form1"));
    for (const DesignControl& field : kFields) {
        Add<QLineEdit>(*form, field);
    }
    for (const DesignControl& label : kLabels) {
        Add<QLabel>(*form, label);
    }
    for (const DesignControl& button : kButtons) {
        Add<QPushButton>(*form, button);
    }

    auto* panel = new QGroupBox(form.get());
    panel->setObjectName(QStringLiteral("GroupBox1"));
    panel->setVisible(false);
    Add<QLabel>(*panel, {"Label10", "Введены параметры", true});
    Add<QPushButton>(*panel, {"BitBtn6", "Выход", true});
    Add<QPushButton>(*panel, {"BitBtn7", "Ввод ", true});
    auto* list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("ListBox1"));
    return form;
}

}  // namespace transcalc::testing
