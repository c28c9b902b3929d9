#include "window_placement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zan {

void showCentred(QWidget& window) {
    const auto centre = [&window] {
        QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        // The free area: panels and docks are not covered.
        const QRect area = screen->availableGeometry();
        const QSize outer = window.frameGeometry().size();
        // Moving the frame's top-left corner moves the whole window with it. A window larger
        // than the screen keeps its title bar on the screen, where it can still be dragged.
        window.move(std::max(area.x(), area.x() + (area.width() - outer.width()) / 2),
                    std::max(area.y(), area.y() + (area.height() - outer.height()) / 2));
    };
    // The frame is known only once the window is shown; centre again when it is.
    centre();
    window.show();
    centre();
    window.raise();
    window.activateWindow();
}

}  // namespace zan
