#pragma once
// A paged PDF document laid out before it is drawn, so that every page can say "page N of M".
// The content is a list of blocks of known height, placed one below the other and moved on to
// the next page when they do not fit; every page gets the same small header (program,
// inputs, date and time) and its number at the foot.

#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "model/expected.h"

class QPainter;
class QPagedPaintDevice;

namespace zan {

struct PdfBlock {
    double height = 0.0;        // device pixels
    double spaceAbove = 0.0;    // left out at the top of a page
    bool newPage = false;       // a section that starts on a page of its own
    bool keepWithNext = false;  // a heading goes to the page of what it heads (a chain of them too)
    // Draws into the content's width from the block's top; the painter's state is restored
    // afterwards.
    std::function<void(QPainter&, const QRectF&)> draw;
};

struct PdfPageHeader {
    QString program;
    QString inputs;   // the name of the file the inputs came from, or what stands for none
    QString created;  // date and time
    // Said in the middle of every page's header when not empty: that the inputs have changed
    // since the run the memo was written from.
    QString notice;
    QString pageOfPages;  // "page %1 of %2"
    QString fingerprint;  // at the foot's left: the start of the inputs' fingerprint, or empty
};

// The areas of a page in device pixels: the header at the top, the footer at the foot and
// the content between them, inside margins of 13 mm left and right and 12 mm at the top and
// the foot.
struct PdfPageFrame {
    QRectF header;
    QRectF content;
    QRectF footer;
};
PdfPageFrame pageFrame(const QPagedPaintDevice& device);

struct PlacedBlock {
    std::size_t block = 0;
    double top = 0.0;  // from the content's top
};

// The blocks page by page. A block taller than `contentHeight` gets a page of its own and
// runs over its foot; the caller keeps blocks smaller than that.
std::vector<std::vector<PlacedBlock>> paginate(const std::vector<PdfBlock>& blocks,
                                               double contentHeight);

// Draws the pages on `device`, which must have no painter yet: header, blocks and
// "page N of M". The error says what failed.
Expected<Done, QString> drawPages(QPagedPaintDevice& device, const PdfPageHeader& header,
                                  const std::vector<PdfBlock>& blocks);

}  // namespace zan
