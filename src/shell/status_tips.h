#pragma once
// The main window's status tips: a line on what each menu item does, shown at the bottom of
// the window while the pointer rests on the item.

class QMainWindow;

namespace zan {

// Gives every menu item of `window` its status tip and adds the bar that shows them. The bar
// appears only while a tip is shown and covers the bottom of the client area meanwhile, so
// the client area and the report box keep their size and place.
void createStatusTips(QMainWindow& window);

// While the bar carries this property set to true, it stays when no tip is shown.
inline constexpr const char* kKeepStatusBar = "keepStatusBar";

}  // namespace zan
