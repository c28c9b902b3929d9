#include "user_guide_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <algorithm>
#include <array>
#include <vector>

#include "chart/damage_chart_window_names.h"
#include "dialogs/axle_load_dialog_names.h"
#include "dialogs/pavement_dialog_names.h"
#include "dialogs/traffic_dialog_names.h"
#include "platform/window_placement.h"
#include "shell/language.h"
#include "shell/user_guide_window_names.h"

namespace zan {

namespace names = userGuideWindowNames;

namespace {

constexpr int kAnchorRole = Qt::UserRole;
// The first opening takes this share of the screen, up to a comfortable reading size.
constexpr double kScreenWidthShare = 0.7;
constexpr double kScreenHeightShare = 0.8;
constexpr int kMaximumWidth = 1100;  // px
constexpr int kMaximumHeight = 850;  // px
constexpr int kContentsWidth = 260;  // px
constexpr int kHeadingLevels = 7;    // Markdown's six, and none

// The windows with a section of their own, by objectName, and the anchor of that section.
struct WindowSection {
    const char* window;
    const char* anchor;
};
constexpr std::array<WindowSection, 4> kWindowSections = {{
    {pavementDialogNames::kDialog, "pavement-data"},
    {trafficDialogNames::kDialog, "traffic-data"},
    {axleLoadDialogNames::kDialog, "axle-load-categories"},
    {damageChartWindowNames::kWindow, "damage-chart"},
}};

QString guideText(const QString& resource) {
    QFile guide(resource);
    return guide.open(QIODevice::ReadOnly) ? QString::fromUtf8(guide.readAll()) : QString();
}

// The headings of a guide, title included, in their order.
std::vector<QTextBlock> headingBlocks(const QTextDocument& document) {
    std::vector<QTextBlock> headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level >= 1 && level < kHeadingLevels && !block.text().isEmpty())
            headings.push_back(block);
    }
    return headings;
}

// The contents' width that shows every heading whole, each at its depth, with the margins
// the style gives an item's text and a letter to spare: at least kContentsWidth, more where a
// language's headings run longer than English's.
int contentsWidth(QTreeWidget& tree) {
    int widest = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        int depth = 1;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        widest = std::max(widest, depth * tree.indentation() +
                                      tree.fontMetrics().horizontalAdvance((*it)->text(0)));
    }
    const QStyle& style = *tree.style();
    const int margins = 2 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tree) + 1) +
                        2 * tree.frameWidth() +
                        style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &tree) +
                        tree.fontMetrics().averageCharWidth();  // the item's own rounding
    return std::max(kContentsWidth, widest + margins);
}

}  // namespace

QString UserGuideWindow::headingAnchor(const QString& heading) {
    QString kept;
    for (const QChar c : heading.trimmed().toLower())
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u' ' || c == u'-')
            kept += c;
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return kept.replace(blanks, QStringLiteral("-"));
}

QString UserGuideWindow::sectionOf(const QString& objectName) {
    for (const WindowSection& s : kWindowSections)
        if (objectName == QLatin1String(s.window))
            return QLatin1String(s.anchor);
    return {};
}

UserGuideWindow::UserGuideWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(tr(names::kTitle));
    setModal(false);

    m_contents = new QTreeWidget;
    m_contents->setObjectName(QLatin1String(names::kContents));
    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_text = new QTextBrowser;
    m_text->setObjectName(QLatin1String(names::kText));
    // The guide's links are followed here: Qt would look for #anchors it cannot find.
    m_text->setOpenLinks(false);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_text);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_text, &QTextBrowser::anchorClicked, this, &UserGuideWindow::followLink);
    // A click, or Enter on the item the arrow keys moved to. (Following the current item
    // would jump to the first heading whenever the list takes the focus.)
    const auto jump = [this](QTreeWidgetItem* item) {
        showSection(item->data(0, kAnchorRole).toString());
    };
    connect(m_contents, &QTreeWidget::itemClicked, this, jump);
    connect(m_contents, &QTreeWidget::itemActivated, this, jump);
    loadGuide();
    // The text takes the keys first, so that Page Down reads on.
    m_text->setFocus();
    const QRect area = screen()->availableGeometry();
    resize(qMin(kMaximumWidth, qRound(area.width() * kScreenWidthShare)),
           qMin(kMaximumHeight, qRound(area.height() * kScreenHeightShare)));
    const int contents = contentsWidth(*m_contents);
    splitter->setSizes({contents, width() - contents});
}

void UserGuideWindow::loadGuide() {
    // Built into the program from docs/, so it is always there.
    const QString resource = userGuideResource();
    m_text->setMarkdown(guideText(resource));
    // A translated guide has the English guide's sections in the same order: its headings take
    // the English anchors, which its links and the windows' F1 sections name.
    QStringList anchors;
    if (resource != QLatin1String(names::kResource)) {
        QTextDocument english;
        english.setMarkdown(guideText(QLatin1String(names::kResource)));
        for (const QTextBlock& block : headingBlocks(english))
            anchors << headingAnchor(block.text());
    }
    anchorHeadings(anchors);
}

void UserGuideWindow::anchorHeadings(const QStringList& anchors) {
    // The last item of each heading level, for nesting the deeper ones under it.
    std::array<QTreeWidgetItem*, kHeadingLevels> lastAtLevel{};
    for (const QTextBlock& block : headingBlocks(*m_text->document())) {
        const int level = block.blockFormat().headingLevel();
        const qsizetype index = m_anchors.size();
        const QString anchor =
            index < anchors.size() ? anchors[index] : headingAnchor(block.text());
        QTextCursor heading(block);
        heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat named;
        named.setAnchor(true);
        named.setAnchorNames({anchor});
        heading.mergeCharFormat(named);
        m_anchors << anchor;

        if (level == 1)
            continue;  // the guide's title heads everything
        QTreeWidgetItem* parent = nullptr;
        for (int up = level - 1; up >= 2 && !parent; --up)
            parent = lastAtLevel[static_cast<std::size_t>(up)];
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, block.text());
        item->setData(0, kAnchorRole, anchor);
        lastAtLevel[static_cast<std::size_t>(level)] = item;
        for (std::size_t deeper = static_cast<std::size_t>(level) + 1; deeper < lastAtLevel.size();
             ++deeper)
            lastAtLevel[deeper] = nullptr;
    }
}

void UserGuideWindow::followLink(const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) {
        showSection(url.fragment());
        return;
    }
    // A link out of the guide goes to the desktop's browser or mail program.
    const QString scheme = url.scheme();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
        QDesktopServices::openUrl(url);
}

bool UserGuideWindow::showSection(const QString& anchor) {
    if (!m_anchors.contains(anchor))
        return false;
    m_text->scrollToAnchor(anchor);
    // The list marks the section shown, whichever way it was reached.
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentItem(nullptr);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it)
        if ((*it)->data(0, kAnchorRole).toString() == anchor) {
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);  // opens its section if it is a subsection
        }
    return true;
}

void UserGuideWindow::showGuide() {
    if (!m_placed) {
        m_placed = true;
        zan::showCentred(*this);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

}  // namespace zan
