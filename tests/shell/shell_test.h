#pragma once
// A main window on the scripted fake platform, with the small helpers every shell test uses.

#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <string>

#include "io/report.h"
#include "platform/core_text.h"
#include "shell/main_window.h"
#include "support/fake_platform.h"

namespace zan::test {

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    file.write(bytes);
}

inline QByteArray exampleFile(const char* name) {
    return readBytes(QStringLiteral(ZAN_EXAMPLES_DIR "/") + QLatin1String(name));
}

// The check marks and enabled states of the two unit items.
struct UnitMenu {
    bool metricChecked;
    bool metricEnabled;
    bool englishChecked;
    bool englishEnabled;
    bool operator==(const UnitMenu&) const = default;
};

inline void PrintTo(const UnitMenu& m, std::ostream* os) {
    *os << "Metric " << (m.metricChecked ? "checked" : "unchecked") << "/"
        << (m.metricEnabled ? "enabled" : "disabled") << ", English "
        << (m.englishChecked ? "checked" : "unchecked") << "/"
        << (m.englishEnabled ? "enabled" : "disabled");
}

inline constexpr UnitMenu kEnglishSwitchable{false, true, true, false};
inline constexpr UnitMenu kMetricSwitchable{true, false, false, true};
inline constexpr UnitMenu kEnglishLocked{false, false, true, false};
inline constexpr UnitMenu kMetricLocked{true, false, false, false};

class ShellTest : public ::testing::Test {
  protected:
    QAction* action(const char* name) const {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }

    // Runs a menu item as a click would: only when it exists, is visible and enabled.
    void trigger(const char* name) {
        QAction* item = action(name);
        ASSERT_NE(item, nullptr) << name;
        ASSERT_TRUE(item->isEnabled()) << name;
        item->trigger();
        EXPECT_EQ(platform.busyDepth, 0) << "busy pointer left on by " << name;
    }

    UnitMenu unitMenu() const {
        const QAction* metric = action("MetricOption");
        const QAction* english = action("EnglishOption");
        return {metric->isChecked(), metric->isEnabled(), english->isChecked(),
                english->isEnabled()};
    }

    QString reportBoxText() const { return window.reportBox()->toPlainText(); }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // The report as the core writes it now, from the workspace's inputs and last results.
    std::string currentReport() {
        auto report = writeReport(window.workspace());
        EXPECT_TRUE(report.ok());
        return report.ok() ? *report : std::string();
    }

    FakePlatform platform;
    MainWindow window{platform};
    QTemporaryDir folder;
};

}  // namespace zan::test
