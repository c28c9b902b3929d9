#pragma once
// Secondary windows open in the middle of the screen, by their outer size.

class QWidget;

namespace zan {

// Centres `window` on its screen (title bar and border included), shows it modeless and
// brings it to the front. Showing an open window again only centres and raises it.
void showCentred(QWidget& window);

}  // namespace zan
