#include "status_tips.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

#include "shell/main_window_names.h"

namespace zan {

namespace names = mainWindowNames;

namespace {

// Moving from one item to the next passes through an empty tip (a separator, the gap between
// items); waiting this long before hiding keeps the bar from flickering.
constexpr int kHideDelayMs = 250;

}  // namespace

void createStatusTipBar(QMainWindow& window) {
    auto* bar = new QStatusBar(&window);
    bar->setObjectName(QLatin1String(names::kStatusBar));
    window.setStatusBar(bar);
    bar->setSizeGripEnabled(false);  // it comes and goes: nothing to drag
    bar->hide();
    auto* hideLater = new QTimer(bar);
    hideLater->setSingleShot(true);
    hideLater->setInterval(kHideDelayMs);
    // A notice the window keeps in the bar keeps the bar.
    QObject::connect(hideLater, &QTimer::timeout, bar, [bar] {
        if (!bar->property(kKeepStatusBar).toBool())
            bar->hide();
    });
    QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar, hideLater](const QString& text) {
        if (text.isEmpty()) {
            hideLater->start();
        } else {
            hideLater->stop();
            bar->show();
        }
    });
}

}  // namespace zan
