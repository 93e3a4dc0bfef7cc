#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the page logic needs of the window's controls. The window implements
// these with its toolkit's widgets; tests implement them with plain fakes.
// Texts are UTF-8. Columns, rows and sub-items are numbered from 1.

namespace tachoria {

class TextBox {
public:
    virtual ~TextBox() = default;
    // Exactly as typed; "" when empty.
    [[nodiscard]] virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// A pick-only drop-down list.
class DropDownList {
public:
    virtual ~DropDownList() = default;
    virtual void Clear() = 0;
    virtual void AddItem(std::string_view text) = 0;
    // The chosen item's text, or the text last set.
    [[nodiscard]] virtual std::string Text() const = 0;
    // `text` is one of the list's items.
    virtual void SetText(std::string_view text) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// A report-style list: a header row of columns and one line per row, where
// a row's text fills column 1 and sub-item n fills column n + 1.
class ResultList {
public:
    virtual ~ResultList() = default;
    // In twips (1/1440 inch), the unit column widths are given in.
    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int ColumnCount() const = 0;
    virtual void RemoveColumn(int column) = 0;
    // With no width the list chooses one.
    virtual void AddColumn(std::string_view header, std::optional<int> width) = 0;
    [[nodiscard]] virtual int RowCount() const = 0;
    virtual void RemoveRow(int row) = 0;
    // Appends an empty row and returns its number.
    virtual int AddRow() = 0;
    virtual void SetRowText(int row, std::string_view text) = 0;
    virtual void SetSubItemText(int row, int subItem, std::string_view text) = 0;
};

// Where a table that cannot be completed says why; the window shows it to
// the user.
class FailureSink {
public:
    virtual ~FailureSink() = default;
    virtual void Report(const std::string& message) = 0;
};

}  // namespace tachoria
