#pragma once

#include <string>

namespace tachoria {

// The line at the foot of a printed table, in the words of the rest of the
// page whatever the locale: "Printed by Tachoria on Tuesday, December 8,
// 2026", as the desktop's printed tables say it. Empty for a date that
// does not exist.
std::string PrintedOn(int year, int month, int day);

}  // namespace tachoria
