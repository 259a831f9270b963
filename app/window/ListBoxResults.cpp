#include "ListBoxResults.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace transcalc {

namespace {

// Every line of the results list is one fixed height, whatever the style adds.
class FixedLineHeight final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(ListBoxResults::kLineHeight);
        return size;
    }
};

}  // namespace

ListBoxResults::ListBoxResults(QListWidget& list)
    : list_(list), designedColour_(list.palette().color(QPalette::Text)) {
    list_.setItemDelegate(new FixedLineHeight(&list_));
    list_.setUniformItemSizes(true);
}

void ListBoxResults::Clear() {
    list_.clear();
}

void ListBoxResults::Append(std::string_view line) {
    list_.addItem(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void ListBoxResults::SetColour(transcalc::ListColour colour) {
    colour_ = colour;
    QColor text = designedColour_;
    if (colour == transcalc::ListColour::Red) {
        text = kRedColour;
    } else if (colour == transcalc::ListColour::Desktop) {
        text = kDesktopColour;
    }
    QPalette palette = list_.palette();
    palette.setColor(QPalette::Text, text);
    list_.setPalette(palette);
}

QString ListBoxResults::CopiedText() const {
    const bool selectedOnly = !list_.selectedItems().isEmpty();
    QString text;
    for (int row = 0; row < list_.count(); ++row) {
        const QListWidgetItem* item = list_.item(row);
        if (!selectedOnly || item->isSelected()) {
            text += item->text();
            text += QLatin1Char('\n');
        }
    }
    return text;
}

QStringList ListBoxResults::Lines() const {
    QStringList lines;
    for (int row = 0; row < list_.count(); ++row) {
        lines << list_.item(row)->text();
    }
    return lines;
}

}  // namespace transcalc
