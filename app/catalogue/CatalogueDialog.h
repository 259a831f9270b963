#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace transcalc {

// What both catalogue dialogs share: a filter field that narrows the list as
// one types, the list with its columns, OK and Cancel. Every control is named
// after the dialog's prefix: <prefix>Filter, <prefix>List, <prefix>Ok, ...
class CatalogueDialog : public QDialog {
    Q_OBJECT

public:
    QLineEdit* filter() const { return filter_; }
    QTreeWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }

    // The index given with the current row, -1 when no row is chosen.
    int chosenIndex() const;

protected:
    // Columns from `firstNumberColumn` on hold numbers and align right.
    CatalogueDialog(const QString& prefix, const QString& title, const QStringList& headers,
                    int firstNumberColumn, QWidget* parent);

    // A row of the list for the entry `index`; `filterText` is what the
    // filter searches in. Rows keep the order they are added in.
    void AddRow(const QStringList& columns, int index, std::string filterText);
    // After the last row: column widths and the first row chosen.
    void FinishRows();
    // Where a dialog puts its own controls, between the list and the buttons.
    QVBoxLayout* extraArea() const { return extra_; }
    // Called whenever the chosen row changes.
    virtual void ChosenChanged() {}
    // Whether the entry `index` may show beside the filter's text: a
    // dialog's own filter.
    virtual bool Admits(int /*index*/) const { return true; }
    // The rows again through both filters, after the dialog's own changed.
    void Refilter();
    // The dialog's own texts again, in the language now in place: its title,
    // headings and the cells it translates.
    virtual void Retranslate() = 0;
    void SetHeadings(const QString& title, const QStringList& headers);
    // The index given with the row `row`.
    int IndexOfRow(int row) const;

    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSharedTexts();
    void ApplyFilter(const QString& text);
    void UpdateChoice();

    int firstNumberColumn_;
    QLabel* filterLabel_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QVBoxLayout* extra_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::vector<std::string> filterTexts_;
};

}  // namespace transcalc
