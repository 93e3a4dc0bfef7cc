#include "tables/PrintedOn.h"

#include <array>
#include <chrono>
#include <string_view>

namespace tachoria {

std::string PrintedOn(int year, int month, int day) {
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{year},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (month < 1 || day < 1 || !date.ok()) {
        return {};
    }
    constexpr std::array<std::string_view, 7> kWeekdays = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    constexpr std::array<std::string_view, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const weekday named{sys_days{date}};
    return "Printed by Tachoria on " + std::string(kWeekdays[named.c_encoding()]) + ", " +
           std::string(kMonths[static_cast<std::size_t>(month - 1)]) + " " + std::to_string(day) +
           ", " + std::to_string(year);
}

}  // namespace tachoria
