#include "pdf_pages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "model/palette.h"

namespace zan {

namespace {

constexpr double kSideMarginMm = 13.0;
constexpr double kEndMarginMm = 12.0;
constexpr double kFrameFontPoints = 7.5;  // header and footer
constexpr double kMmPerInch = 25.4;

QString tr(const char* text) {
    return QCoreApplication::translate("zan", text);
}

QFont frameFont() {
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(kFrameFontPoints);
    return font;
}

void drawHeader(QPainter& painter, const QRectF& area, const PdfPageHeader& header) {
    painter.setFont(frameFont());
    painter.setPen(QColor(palette::kAxis));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF first(area.left(), area.top(), area.width(), metrics.height());
    painter.drawText(first, Qt::AlignLeft | Qt::AlignVCenter, header.program);
    painter.drawText(first, Qt::AlignRight | Qt::AlignVCenter, header.created);
    if (!header.notice.isEmpty()) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(first, Qt::AlignHCenter | Qt::AlignVCenter, header.notice);
        painter.restore();
    }
    // A name too long for the line keeps its start and its end.
    const QRectF second = first.translated(0, metrics.lineSpacing());
    painter.drawText(second, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(header.inputs, Qt::ElideMiddle, second.width()));
    painter.setPen(QPen(QColor(palette::kAxis), 0));
    painter.drawLine(QPointF(area.left(), area.bottom()), QPointF(area.right(), area.bottom()));
}

void drawFooter(QPainter& painter, const QRectF& area, const PdfPageHeader& header,
                std::size_t page, std::size_t pages) {
    painter.setFont(frameFont());
    painter.setPen(QColor(palette::kAxis));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignBottom,
                     header.pageOfPages.arg(page).arg(pages));
    // Without ligatures: "ff" in a fingerprint must stay two letters when it is copied.
    QFont digits = painter.font();
    digits.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    painter.setFont(digits);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom, header.fingerprint);
}

}  // namespace

PdfPageFrame pageFrame(const QPagedPaintDevice& device) {
    const double perMm = device.logicalDpiX() / kMmPerInch;
    const double side = kSideMarginMm * perMm;
    const double end = kEndMarginMm * device.logicalDpiY() / kMmPerInch;
    const QFontMetricsF metrics(frameFont(), &device);
    const double headerHeight = 2 * metrics.lineSpacing() + metrics.height() * 0.4;
    const double footerHeight = 2 * metrics.lineSpacing();
    const double width = device.width() - 2 * side;
    PdfPageFrame frame;
    frame.header = QRectF(side, end, width, headerHeight);
    frame.footer = QRectF(side, device.height() - end - footerHeight, width, footerHeight);
    const double gap = metrics.lineSpacing();
    frame.content = QRectF(side, frame.header.bottom() + gap, width,
                           frame.footer.top() - frame.header.bottom() - gap);
    return frame;
}

std::vector<std::vector<PlacedBlock>> paginate(const std::vector<PdfBlock>& blocks,
                                               double contentHeight) {
    std::vector<std::vector<PlacedBlock>> pages(1);
    double y = 0.0;  // where the page's content ends
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const PdfBlock& block = blocks[i];
        // A heading needs room for itself and what it heads, up to the first block that
        // does not keep with the next.
        double needed = block.height;
        for (std::size_t j = i; blocks[j].keepWithNext && j + 1 < blocks.size(); ++j)
            needed += blocks[j + 1].spaceAbove + blocks[j + 1].height;
        const bool empty = pages.back().empty();
        const double top = empty ? 0.0 : y + block.spaceAbove;
        if (!empty && (block.newPage || top + needed > contentHeight)) {
            pages.emplace_back();
            y = 0.0;
        }
        const double at = pages.back().empty() ? 0.0 : y + block.spaceAbove;
        pages.back().push_back(PlacedBlock{i, at});
        y = at + block.height;
    }
    return pages;
}

Expected<Done, QString> drawPages(QPagedPaintDevice& device, const PdfPageHeader& header,
                                  const std::vector<PdfBlock>& blocks) {
    const PdfPageFrame frame = pageFrame(device);
    const auto pages = paginate(blocks, frame.content.height());
    QPainter painter;
    if (!painter.begin(&device))
        return failure(tr("The PDF document could not be started."));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            return failure(tr("The PDF document could not start a new page."));
        }
        drawHeader(painter, frame.header, header);
        for (const PlacedBlock& placed : pages[p]) {
            const PdfBlock& block = blocks[placed.block];
            painter.save();
            block.draw(painter, QRectF(frame.content.left(), frame.content.top() + placed.top,
                                       frame.content.width(), block.height));
            painter.restore();
        }
        drawFooter(painter, frame.footer, header, p + 1, pages.size());
    }
    if (!painter.end())
        return failure(tr("The PDF document could not be finished."));
    return Done{};
}

}  // namespace zan
