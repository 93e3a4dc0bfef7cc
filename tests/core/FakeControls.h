#pragma once

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tables/Controls.h"

// Plain stand-ins for the window's controls, recording what the page logic
// leaves in them. Out-of-range numbers throw, so a wrong index fails a test.
namespace tachoria::testing {

class FakeTextBox final : public TextBox {
public:
    explicit FakeTextBox(std::string text = "") : text_(std::move(text)) {}
    [[nodiscard]] std::string Text() const override { return text_; }
    void SetText(const std::string& text) override {
        text_ = text;
        ++writes;
    }
    int writes = 0;

private:
    std::string text_;
};

class FakeDropDownList final : public DropDownList {
public:
    void Clear() override {
        items.clear();
        text.clear();
    }
    void AddItem(std::string_view item) override { items.emplace_back(item); }
    [[nodiscard]] std::string Text() const override { return text; }
    void SetText(std::string_view newText) override {
        if (std::find(items.begin(), items.end(), newText) == items.end()) {
            throw std::invalid_argument("not an item: " + std::string(newText));
        }
        text = newText;
    }
    void SetEnabled(bool on) override { enabled = on; }

    // What a user's choice does: the item becomes the text.
    void Choose(std::string_view item) { SetText(item); }

    std::vector<std::string> items;
    std::string text;
    bool enabled = true;
};

struct FakeColumn {
    std::string header;
    std::optional<int> width;
    friend bool operator==(const FakeColumn&, const FakeColumn&) = default;
};

class FakeResultList final : public ResultList {
public:
    explicit FakeResultList(int width = 8415) : width_(width) {}

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int ColumnCount() const override { return static_cast<int>(columns.size()); }
    void RemoveColumn(int column) override {
        columns.erase(columns.begin() + Index(column, columns.size()));
    }
    void AddColumn(std::string_view header, std::optional<int> width) override {
        columns.push_back({std::string(header), width});
    }
    [[nodiscard]] int RowCount() const override { return static_cast<int>(rows.size()); }
    void RemoveRow(int row) override { rows.erase(rows.begin() + Index(row, rows.size())); }
    int AddRow() override {
        rows.emplace_back(1);
        return RowCount();
    }
    void SetRowText(int row, std::string_view text) override {
        rows.at(Index(row, rows.size()))[0] = text;
    }
    void SetSubItemText(int row, int subItem, std::string_view text) override {
        auto& cells = rows.at(Index(row, rows.size()));
        if (subItem < 1 || subItem >= ColumnCount()) {
            throw std::out_of_range("no such sub-item");
        }
        cells.resize(std::max(cells.size(), static_cast<std::size_t>(subItem) + 1));
        cells[static_cast<std::size_t>(subItem)] = text;
    }

    [[nodiscard]] std::vector<std::string> Headers() const {
        std::vector<std::string> headers;
        for (const auto& column : columns) {
            headers.push_back(column.header);
        }
        return headers;
    }

    std::vector<FakeColumn> columns;
    std::vector<std::vector<std::string>> rows;  // row text first, then sub-items

private:
    static std::ptrdiff_t Index(int number, std::size_t count) {
        if (number < 1 || static_cast<std::size_t>(number) > count) {
            throw std::out_of_range("numbered from 1");
        }
        return number - 1;
    }
    int width_;
};

class RecordingFailureSink final : public FailureSink {
public:
    void Report(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

}  // namespace tachoria::testing
