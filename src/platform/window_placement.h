#pragma once
// Secondary windows open in the middle of the screen, by their outer size.

class QWidget;

namespace zan {

// Centres `window` on its screen (title bar and border included), shows it modeless and
// brings it to the front; a window larger than the screen goes to the screen's top or left
// edge. Showing an open window again only centres and raises it.
void showCentred(QWidget& window);

}  // namespace zan
