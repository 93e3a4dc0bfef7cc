#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FakeControls.h"
#include "tables/Table.h"
#include "tests/golden/EarlyCarTables.h"

namespace tachoria::testing {

// Golden headers as a table or a list holds them.
inline std::vector<std::string> Strings(std::span<const std::string_view> texts) {
    return {texts.begin(), texts.end()};
}

// Compares a table's rows with golden rows, naming the first row that differs.
inline void ExpectRows(const Table& table, std::span<const golden::GoldenRow> expected) {
    EXPECT_EQ(table.rows.size(), expected.size());
    for (std::size_t i = 0; i < std::min(table.rows.size(), expected.size()); ++i) {
        SCOPED_TRACE("row " + std::to_string(i) + ", label \"" + std::string(expected[i].label) +
                     "\"");
        EXPECT_EQ(table.rows[i].label, expected[i].label);
        EXPECT_EQ(table.rows[i].cells,
                  std::vector<std::string>(expected[i].cells.begin(), expected[i].cells.end()));
    }
}

// The same for what a fake list shows: row text first, then the sub-items.
inline void ExpectRows(const FakeResultList& list, std::span<const golden::GoldenRow> expected) {
    EXPECT_EQ(list.rows.size(), expected.size());
    for (std::size_t i = 0; i < std::min(list.rows.size(), expected.size()); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        std::vector<std::string> cells = {std::string(expected[i].label)};
        cells.insert(cells.end(), expected[i].cells.begin(), expected[i].cells.end());
        EXPECT_EQ(list.rows[i], cells);
    }
}

}  // namespace tachoria::testing
