#include "about_window.h"

#include "platform/window_placement.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>

#include "model/message.h"
#include "model/version.h"
#include "platform/core_text.h"
#include "shell/about_window_names.h"

namespace zan {

namespace names = aboutWindowNames;

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kLogoWidth = 116;   // px
constexpr int kLogoHeight = 112;  // px

QString joinLines(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines)
        text += QLatin1String("\r\n") + AboutWindow::tr(line);
    return text;
}

}  // namespace

QString AboutWindow::programText() {
    return joinLines({
               "",
               QT_TRANSLATE_NOOP("zan::AboutWindow", "ZAN Thickness Design Program"),
               QT_TRANSLATE_NOOP("zan::AboutWindow", "for Concrete Highway and Street Pavements"),
               "",
               QT_TRANSLATE_NOOP("zan::AboutWindow", "Developed at the"),
               "",
               QT_TRANSLATE_NOOP("zan::AboutWindow", "ZAN Thickness Design project"),
               QT_TRANSLATE_NOOP("zan::AboutWindow", "Open pavement design software"),
               QT_TRANSLATE_NOOP("zan::AboutWindow", "wherever its contributors live"),
               "",
               QT_TRANSLATE_NOOP("zan::AboutWindow", "Sponsored by"),
               "",
               QT_TRANSLATE_NOOP("zan::AboutWindow", "the engineers who use it"),
               QT_TRANSLATE_NOOP("zan::AboutWindow", "in every country"),
               "",
           }) +
           QLatin1String("\r\n") +
           tr("Release %1, December 2026").arg(QString::fromLatin1(programVersion())) +
           QLatin1String("\r\n");
}

QString AboutWindow::authorsText() {
    return joinLines({
        "",
        QT_TRANSLATE_NOOP("zan::AboutWindow", "ZAN Thickness Design Program"),
        QT_TRANSLATE_NOOP("zan::AboutWindow", "for Concrete Highway and Street Pavements"),
        "",
        QT_TRANSLATE_NOOP("zan::AboutWindow", "Written by"),
        "",
        QT_TRANSLATE_NOOP("zan::AboutWindow", "The ZAN Thickness Design contributors"),
        QT_TRANSLATE_NOOP("zan::AboutWindow", "developers and pavement engineers"),
        QT_TRANSLATE_NOOP("zan::AboutWindow", "of the ZAN Thickness Design project"),
        QT_TRANSLATE_NOOP("zan::AboutWindow", "working from many cities"),
        "",
        QT_TRANSLATE_NOOP("zan::AboutWindow", "Under the Supervision of"),
        "",
        QT_TRANSLATE_NOOP("zan::AboutWindow", "The project's maintainers"),
        QT_TRANSLATE_NOOP("zan::AboutWindow", "and"),
        QT_TRANSLATE_NOOP("zan::AboutWindow", "The project's reviewers"),
        "",
    });
}

QPixmap AboutWindow::logo() {
    // A concrete slab over its subbase, cut by a doweled joint, under the letters ZAN.
    QPixmap pixmap(kLogoWidth, kLogoHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xa8, 0x78));  // subbase
    p.drawRect(6, 84, 104, 20);
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));  // slab
    p.drawRect(6, 58, 104, 26);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(58, 58, 58, 84);  // joint
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    p.drawLine(46, 71, 70, 71);  // dowel

    p.setPen(QPen(QColor(0x20, 0x40, 0x80), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, kLogoWidth - 3, kLogoHeight - 3);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x20, 0x40, 0x80));
    p.drawText(QRect(0, 8, kLogoWidth, 44), Qt::AlignCenter, QStringLiteral("ZAN"));
    return pixmap;
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(tr(names::kTitlePrefix) + fromCore(kApplicationShortName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    // The layout is given in twips, 1/1440 inch.
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto px = [&](int twipsX, int twipsY, int twipsW, int twipsH) {
        return QRect(qRound(twipsX * dpiX / kTwipsPerInch), qRound(twipsY * dpiY / kTwipsPerInch),
                     qRound(twipsW * dpiX / kTwipsPerInch), qRound(twipsH * dpiY / kTwipsPerInch));
    };
    setFixedSize(px(0, 0, 7845, 4080).size());

    auto* panel = new QWidget(this);
    panel->setObjectName(QLatin1String(names::kPanel));
    panel->setGeometry(px(0, 0, 2460, 5535));

    auto* picture = new QLabel(panel);
    picture->setObjectName(QLatin1String(names::kLogo));
    picture->setGeometry(px(60, 60, 1755, 1755));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(logo());

    auto* more = new QPushButton(tr(names::kMoreCaption), panel);
    more->setObjectName(QLatin1String(names::kMore));
    more->setGeometry(px(420, 2220, 975, 495));
    connect(more, &QPushButton::clicked, this, &AboutWindow::toggleText);

    auto* ok = new QPushButton(tr(names::kOkCaption), panel);
    ok->setObjectName(QLatin1String(names::kOk));
    ok->setGeometry(px(420, 3000, 975, 495));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QLatin1String(names::kText));
    m_text->setGeometry(px(1980, 0, 5955, 4815));
    m_text->setReadOnly(true);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The text box is laid out taller (4815 twips) than the window's client area (4080), whose
    // lower edge would cut the last lines of the text, the release among them. Showing the
    // whole text is the sound choice: the window grows to the height the longer of the two
    // texts needs, and keeps its laid-out width.
    const int height = std::max(px(0, 0, 7845, 4080).height(), textHeight());
    setFixedSize(px(0, 0, 7845, 4080).width(), height);
    m_text->setFixedHeight(std::max(m_text->height(), height));
    showText(programText());
}

int AboutWindow::textHeight() {
    int tallest = 0;
    for (const QString& text : {programText(), authorsText()}) {
        showText(text);
        m_text->document()->setTextWidth(m_text->viewport()->width());
        const int margins = m_text->contentsMargins().top() + m_text->contentsMargins().bottom();
        tallest = std::max(tallest, qCeil(m_text->document()->size().height()) + margins);
    }
    return tallest;
}

void AboutWindow::showText(const QString& text) {
    m_text->setPlainText(withLineFeeds(text));
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

void AboutWindow::toggleText() {
    const bool authorsShown = m_lastShownByMore == Shown::Authors;
    showText(authorsShown ? programText() : authorsText());
    m_lastShownByMore = authorsShown ? Shown::Program : Shown::Authors;
}

void AboutWindow::showCentred() {
    zan::showCentred(*this);
}

}  // namespace zan
