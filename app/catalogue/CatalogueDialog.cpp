#include "CatalogueDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Search.h"

namespace transcalc {

namespace {

constexpr int kIndexRole = Qt::UserRole;

}  // namespace

CatalogueDialog::CatalogueDialog(const QString& prefix, const QString& title,
                                 const QStringList& headers, int firstNumberColumn, QWidget* parent)
    : QDialog(parent),
      firstNumberColumn_(firstNumberColumn),
      filterLabel_(new QLabel(this)),
      filter_(new QLineEdit(this)),
      list_(new QTreeWidget(this)),
      extra_(new QVBoxLayout),
      ok_(nullptr),
      cancel_(nullptr) {
    setObjectName(prefix + QStringLiteral("Dialog"));
    setWindowTitle(title);
    resize(720, 480);

    filterLabel_->setObjectName(prefix + QStringLiteral("FilterLabel"));
    filterLabel_->setBuddy(filter_);
    filter_->setObjectName(prefix + QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);

    list_->setObjectName(prefix + QStringLiteral("List"));
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setAllColumnsShowFocus(true);
    // Numbers stay beside their right-aligned headings, not at the far edge.
    list_->header()->setStretchLastSection(false);
    for (int column = firstNumberColumn_; column < headers.size(); ++column) {
        list_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(prefix + QStringLiteral("Buttons"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(prefix + QStringLiteral("Ok"));
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setObjectName(prefix + QStringLiteral("Cancel"));
    cancel_->installEventFilter(this);
    ShowSharedTexts();

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel_);
    filterRow->addWidget(filter_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(list_);
    layout->addLayout(extra_);
    layout->addWidget(buttons);

    connect(filter_, &QLineEdit::textChanged, this, &CatalogueDialog::ApplyFilter);
    connect(list_, &QTreeWidget::currentItemChanged, this, &CatalogueDialog::UpdateChoice);
    // A row that OK refuses is not taken by a double click either.
    connect(list_, &QTreeWidget::itemActivated, this, [this] {
        if (ok_->isEnabled()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CatalogueDialog::ShowSharedTexts() {
    filterLabel_->setText(tr("Поиск:"));
    filter_->setPlaceholderText(tr("часть названия"));
    cancel_->setText(tr("Отмена"));
}

void CatalogueDialog::SetHeadings(const QString& title, const QStringList& headers) {
    setWindowTitle(title);
    for (int column = 0; column < headers.size(); ++column) {
        list_->headerItem()->setText(column, headers[column]);
    }
}

int CatalogueDialog::IndexOfRow(int row) const {
    return list_->topLevelItem(row)->data(0, kIndexRole).toInt();
}

// The button box gives its buttons Qt's own texts when the language changes,
// before the buttons hear of it: Cancel takes the dialog's text back then.
bool CatalogueDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cancel_ && event->type() == QEvent::LanguageChange) {
        cancel_->setText(tr("Отмена"));
    }
    return QDialog::eventFilter(watched, event);
}

void CatalogueDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ShowSharedTexts();
        Retranslate();
    }
    QDialog::changeEvent(event);
}

int CatalogueDialog::chosenIndex() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item == nullptr || item->isHidden() ? -1 : item->data(0, kIndexRole).toInt();
}

void CatalogueDialog::AddRow(const QStringList& columns, int index, std::string filterText) {
    auto* item = new QTreeWidgetItem(list_, columns);
    item->setData(0, kIndexRole, index);
    for (int column = firstNumberColumn_; column < columns.size(); ++column) {
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    filterTexts_.push_back(std::move(filterText));
}

void CatalogueDialog::FinishRows() {
    // Wide enough to show every column whole, within the screen.
    int columnsWidth = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < list_->columnCount(); ++column) {
        list_->resizeColumnToContents(column);
        columnsWidth += list_->columnWidth(column);
    }
    const QMargins margins = layout()->contentsMargins();
    const int wanted = columnsWidth + margins.left() + margins.right();
    const int available = screen()->availableGeometry().width() * 9 / 10;
    resize(std::max(width(), std::min(wanted, available)), height());
    list_->setCurrentItem(list_->topLevelItem(0));
    UpdateChoice();
}

void CatalogueDialog::ApplyFilter(const QString& text) {
    const std::string part = text.toStdString();
    QTreeWidgetItem* firstShown = nullptr;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const bool shown = transcalc::catalogue::ContainsIgnoringCase(filterTexts_[row], part) &&
                           Admits(IndexOfRow(row));
        item->setHidden(!shown);
        if (shown && firstShown == nullptr) {
            firstShown = item;
        }
    }
    if (list_->currentItem() == nullptr || list_->currentItem()->isHidden()) {
        list_->setCurrentItem(firstShown);
    }
    UpdateChoice();
}

void CatalogueDialog::Refilter() {
    ApplyFilter(filter_->text());
}

void CatalogueDialog::UpdateChoice() {
    ok_->setEnabled(chosenIndex() >= 0);
    ChosenChanged();
}

}  // namespace transcalc
