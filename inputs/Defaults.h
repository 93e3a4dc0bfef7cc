#pragma once

// The values an empty field takes, on the main window's generic page and in
// every window and command after it.
namespace tachoria {

inline constexpr double kDefaultTireDiameter = 24;  // inches
inline constexpr double kDefaultDiffRatio = 3.27;
inline constexpr double kDefaultTransRatio = 1;
inline constexpr double kDefaultRedline = 5500;  // RPM

}  // namespace tachoria
