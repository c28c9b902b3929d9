#pragma once
// The charts' colours, as "#rrggbb" texts: the desktop's plots (src/chart) and the web page's
// charts (web/charts.js, through the engine) draw with these, so that fatigue and erosion wear
// the same colour wherever a chart of the program is seen.

namespace zan::palette {

inline constexpr const char* kFatigue = "#1f5fbf";      // blue
inline constexpr const char* kErosion = "#d04a10";      // orange-red
inline constexpr const char* kLimit = "#303030";        // the damage limit's line
inline constexpr const char* kRecommended = "#1e8c3a";  // green
inline constexpr const char* kTrial = "#8a3fb0";        // purple
inline constexpr const char* kLower = "#4f86d6";        // an input 20 % lower
inline constexpr const char* kUpper = "#e08a2c";        // an input 20 % higher
inline constexpr const char* kGrid = "#dddddd";
inline constexpr const char* kAxis = "#505050";  // axis lines, ticks and their labels

}  // namespace zan::palette
