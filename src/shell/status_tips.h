#pragma once
// The bar that shows the main window's status tips: a line on what each menu item does (the
// item's table in main_window_names.h carries it), at the bottom of the window while the
// pointer rests on the item.

class QMainWindow;

namespace zan {

// Adds the bar that shows the status tips. It appears only while a tip is shown and covers
// the bottom of the client area meanwhile, so the client area and the report box keep their
// size and place.
void createStatusTipBar(QMainWindow& window);

// While the bar carries this property set to true, it stays when no tip is shown.
inline constexpr const char* kKeepStatusBar = "keepStatusBar";

}  // namespace zan
