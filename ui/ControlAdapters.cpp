#include "ui/ControlAdapters.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeWidget>

#include "ui/ControlLook.h"
#include "ui/Recovering.h"
#include "ui/TwipPage.h"

namespace tachoria {
namespace {

// Cells hold right-aligned numbers; the blanks they are padded with do not
// line up in a proportional font, so alignment does it.
constexpr Qt::Alignment kCellAlignment = Qt::AlignRight | Qt::AlignVCenter;

}  // namespace

std::string LineEditTextBox::Text() const { return edit_.text().toStdString(); }

void LineEditTextBox::SetText(const std::string& text) { edit_.setText(ToQString(text)); }

void ComboBoxList::Clear() { combo_.clear(); }

void ComboBoxList::AddItem(std::string_view text) { combo_.addItem(ToQString(text)); }

std::string ComboBoxList::Text() const { return combo_.currentText().toStdString(); }

void ComboBoxList::SetText(std::string_view text) {
    const int index = combo_.findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        combo_.setCurrentIndex(index);
    }
}

void ComboBoxList::SetEnabled(bool enabled) { combo_.setEnabled(enabled); }

int TreeResultList::Width() const {
    return (tree_.width() - 2 * tree_.frameWidth()) * kTwipsPerPixel;
}

int TreeResultList::ColumnCount() const { return tree_.columnCount(); }

void TreeResultList::LetGoOfRows() {
    // A table is rebuilt column by column and row by row. A selected or
    // current row would be announced to screen readers at each step as
    // deselected or moved, by numbers that no longer match the table.
    // Letting go of it first announces one change.
    if (QItemSelectionModel* selection = tree_.selectionModel();
        selection->currentIndex().isValid() || selection->hasSelection()) {
        selection->clear();
    }
}

void TreeResultList::RemoveColumn(int column) {
    QStringList headers = Headers();
    TACHORIA_CHECK(column >= 1 && column <= headers.size(), return void());
    LetGoOfRows();
    headers.removeAt(column - 1);
    SetHeaderTexts(headers);
}

void TreeResultList::AddColumn(std::string_view header, std::optional<int> width) {
    const QStringList headers = Headers() << ToQString(header);
    SetHeaderTexts(headers);
    if (width) {
        tree_.header()->resizeSection(static_cast<int>(headers.size()) - 1,
                                      *width / kTwipsPerPixel);
    }
}

QStringList TreeResultList::Headers() const {
    QStringList headers;
    for (int column = 0; column < tree_.columnCount(); ++column) {
        headers << tree_.headerItem()->text(column);
    }
    return headers;
}

void TreeResultList::SetHeaderTexts(const QStringList& headers) {
    // A fresh header item each time: QTreeWidget's own keeps a text for
    // every column it ever had, so changing the column count back and
    // forth would grow it with each table.
    auto* item = new QTreeWidgetItem(headers);
    for (int column = 0; column < headers.size(); ++column) {
        item->setTextAlignment(column, kCellAlignment);
    }
    tree_.setHeaderItem(item);
}

int TreeResultList::RowCount() const { return tree_.topLevelItemCount(); }

void TreeResultList::RemoveRow(int row) {
    if (Row(row) != nullptr) {
        LetGoOfRows();
        delete tree_.takeTopLevelItem(row - 1);
    }
}

int TreeResultList::AddRow() {
    auto* item = new QTreeWidgetItem(&tree_);
    for (int column = 0; column < tree_.columnCount(); ++column) {
        item->setTextAlignment(column, kCellAlignment);
    }
    return RowCount();
}

void TreeResultList::SetRowText(int row, std::string_view text) {
    if (QTreeWidgetItem* item = Row(row)) {
        item->setText(0, ToQString(text));
    }
}

void TreeResultList::SetSubItemText(int row, int subItem, std::string_view text) {
    TACHORIA_CHECK(subItem >= 1 && subItem < ColumnCount(), return void());
    if (QTreeWidgetItem* item = Row(row)) {
        item->setText(subItem, ToQString(text));
    }
}

QTreeWidgetItem* TreeResultList::Row(int row) const {
    QTreeWidgetItem* item = row >= 1 ? tree_.topLevelItem(row - 1) : nullptr;
    TACHORIA_CHECK(item != nullptr, return nullptr);
    return item;
}

}  // namespace tachoria
