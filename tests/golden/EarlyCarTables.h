#pragma once

// The early car's gearbox (1961-1963: 3.65, 2.35, 1.44, 1) with a 3.27 axle
// and a 24-inch tire, as the stock page's tables show it, worked out apart
// from the program from RPM = MPH × gear × axle × 336.135 / tire, truncated.
// The core's tests and the window's tests compare against this one copy.
#include <array>
#include <string_view>

namespace tachoria::golden {

struct GoldenRow {
    std::string_view label;
    std::array<std::string_view, 4> cells;
};

inline constexpr std::array<std::string_view, 5> kEarlyCarRPMHeaders = {
    "MPH", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"};
inline constexpr std::array<std::string_view, 5> kEarlyCarMPHHeaders = {
    "RPM", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"};

// "Get RPM": engine speeds of 10000 and more are left blank.
inline constexpr std::array<GoldenRow, 15> kEarlyCarRPM = {{
    {"   10", {" 1671", " 1076", " 659", " 457"}},
    {"   20", {" 3343", " 2152", " 1318", " 915"}},
    {"   30", {" 5014", " 3228", " 1978", " 1373"}},
    {"   40", {" 6686", " 4305", " 2637", " 1831"}},
    {"   50", {" 8358", " 5381", " 3297", " 2289"}},
    {"   60", {"", " 6457", " 3956", " 2747"}},
    {"   70", {"", " 7533", " 4616", " 3205"}},
    {"   80", {"", " 8610", " 5275", " 3663"}},
    {"   90", {"", " 9686", " 5935", " 4121"}},
    {"  100", {"", "", " 6594", " 4579"}},
    {"  110", {"", "", " 7254", " 5037"}},
    {"  120", {"", "", " 7913", " 5495"}},
    {"  130", {"", "", " 8573", " 5953"}},
    {"  140", {"", "", " 9232", " 6411"}},
    {"  150", {"", "", " 9892", " 6869"}},
}};

// "Get MPH".
inline constexpr std::array<GoldenRow, 14> kEarlyCarMPH = {{
    {"  500", {" 2", " 4", " 7", " 10"}},
    {" 1000", {" 5", " 9", " 15", " 21"}},
    {" 1500", {" 8", " 13", " 22", " 32"}},
    {" 2000", {" 11", " 18", " 30", " 43"}},
    {" 2500", {" 14", " 23", " 37", " 54"}},
    {" 3000", {" 17", " 27", " 45", " 65"}},
    {" 3500", {" 20", " 32", " 53", " 76"}},
    {" 4000", {" 23", " 37", " 60", " 87"}},
    {" 4500", {" 26", " 41", " 68", " 98"}},
    {" 5000", {" 29", " 46", " 75", " 109"}},
    {" 5500", {" 32", " 51", " 83", " 120"}},
    {" 6000", {" 35", " 55", " 90", " 131"}},
    {" 6500", {" 38", " 60", " 98", " 141"}},
    {" 7000", {" 41", " 65", " 106", " 152"}},
}};

}  // namespace tachoria::golden
