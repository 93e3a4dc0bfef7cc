#pragma once

#include <QStringList>

#include "tables/Controls.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The core's control interfaces over Qt widgets. Each adapter only borrows
// its widget; the page that owns the widget also owns the adapter, and
// destroys the adapter first.
namespace tachoria {

class LineEditTextBox final : public TextBox {
public:
    explicit LineEditTextBox(QLineEdit& edit) : edit_(edit) {}
    [[nodiscard]] std::string Text() const override;
    void SetText(const std::string& text) override;

private:
    QLineEdit& edit_;
};

// Setting the text programmatically never emits `activated`, so it never
// runs a choice handler.
class ComboBoxList final : public DropDownList {
public:
    explicit ComboBoxList(QComboBox& combo) : combo_(combo) {}
    void Clear() override;
    void AddItem(std::string_view text) override;
    [[nodiscard]] std::string Text() const override;
    void SetText(std::string_view text) override;
    void SetEnabled(bool enabled) override;

private:
    QComboBox& combo_;
};

// A QTreeWidget shown as a flat report list. Widths are in twips. A column,
// row or sub-item number out of range is a fault of the caller: it is
// logged with its place and ignored (TACHORIA_CHECK), since an exception
// must not reach Qt's event loop.
class TreeResultList final : public ResultList {
public:
    explicit TreeResultList(QTreeWidget& tree) : tree_(tree) {}
    // The width inside the frame, so that columns of equal share fit without
    // a horizontal scroll bar.
    [[nodiscard]] int Width() const override;
    [[nodiscard]] int ColumnCount() const override;
    void RemoveColumn(int column) override;
    void AddColumn(std::string_view header, std::optional<int> width) override;
    [[nodiscard]] int RowCount() const override;
    void RemoveRow(int row) override;
    int AddRow() override;
    void SetRowText(int row, std::string_view text) override;
    void SetSubItemText(int row, int subItem, std::string_view text) override;

private:
    [[nodiscard]] QStringList Headers() const;
    // Clears the selection and the current row, if any.
    void LetGoOfRows();
    void SetHeaderTexts(const QStringList& headers);
    // The row numbered `row`, or null when there is none.
    QTreeWidgetItem* Row(int row) const;
    QTreeWidget& tree_;
};

}  // namespace tachoria
