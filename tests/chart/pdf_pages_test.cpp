// Placing the memo's blocks on pages: what fits stays, what does not moves on, a section
// starts its own page, a heading goes with what it heads, and the page frame leaves the
// header and the footer their room.

#include "chart/pdf_pages.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

#include <string>
#include <vector>

namespace zan::test {
namespace {

struct BlockShape {
    double height;
    double spaceAbove = 0.0;
    bool newPage = false;
    bool keepWithNext = false;
};

struct PaginateCase {
    const char* name;
    std::vector<BlockShape> blocks;
    std::vector<std::vector<std::pair<std::size_t, double>>> pages;  // block, top
};

void PrintTo(const PaginateCase& c, std::ostream* os) {
    *os << c.name;
}

class Paginate : public ::testing::TestWithParam<PaginateCase> {};

TEST_P(Paginate, PlacesEachBlock) {
    std::vector<PdfBlock> blocks;
    for (const BlockShape& s : GetParam().blocks) {
        PdfBlock b;
        b.height = s.height;
        b.spaceAbove = s.spaceAbove;
        b.newPage = s.newPage;
        b.keepWithNext = s.keepWithNext;
        blocks.push_back(b);
    }
    const auto pages = paginate(blocks, 100.0);
    ASSERT_EQ(pages.size(), GetParam().pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ASSERT_EQ(pages[p].size(), GetParam().pages[p].size()) << "page " << p;
        for (std::size_t i = 0; i < pages[p].size(); ++i) {
            EXPECT_EQ(pages[p][i].block, GetParam().pages[p][i].first) << "page " << p;
            EXPECT_DOUBLE_EQ(pages[p][i].top, GetParam().pages[p][i].second) << "page " << p;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, Paginate,
    ::testing::Values(
        PaginateCase{"NothingIsOneEmptyPage", {}, {{}}},
        PaginateCase{"LinesFillAPageExactly", {{50}, {50}, {50}}, {{{0, 0}, {1, 50}}, {{2, 0}}}},
        PaginateCase{"SpaceAboveIsDroppedAtTheTop", {{60}, {30, 20}}, {{{0, 0}}, {{1, 0}}}},
        PaginateCase{"SpaceAboveCountsInside", {{40}, {30, 20}}, {{{0, 0}, {1, 60}}}},
        PaginateCase{
            "ASectionStartsItsOwnPage", {{10}, {10, 0, true}, {10}}, {{{0, 0}}, {{1, 0}, {2, 10}}}},
        PaginateCase{"ASectionOnAnEmptyPageStaysThere", {{10, 0, true}}, {{{0, 0}}}},
        PaginateCase{"AHeadingGoesWithWhatItHeads",
                     {{70}, {10, 0, false, true}, {30}},
                     {{{0, 0}}, {{1, 0}, {2, 10}}}},
        PaginateCase{"AChainOfKeptBlocksGoesTogether",
                     {{40}, {10, 0, false, true}, {10, 0, false, true}, {45}},
                     {{{0, 0}}, {{1, 0}, {2, 10}, {3, 20}}}},
        PaginateCase{
            "ATallBlockGetsAPageOfItsOwn", {{10}, {150}, {10}}, {{{0, 0}}, {{1, 0}}, {{2, 0}}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FrameCase {
    const char* name;
    QPageSize::PageSizeId size;
};

class Frame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(Frame, KeepsTheMarginsAndLeavesTheContentBetweenHeaderAndFooter) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(96);
    writer.setPageLayout(
        QPageLayout(QPageSize(GetParam().size), QPageLayout::Portrait, QMarginsF()));
    const PdfPageFrame frame = pageFrame(writer);
    const double mm = 96 / 25.4;
    EXPECT_NEAR(frame.header.left(), 13 * mm, 0.01);
    EXPECT_NEAR(writer.width() - frame.content.right(), 13 * mm, 0.01);
    EXPECT_NEAR(frame.header.top(), 12 * mm, 0.01);
    EXPECT_NEAR(writer.height() - frame.footer.bottom(), 12 * mm, 0.01);
    EXPECT_GT(frame.content.top(), frame.header.bottom());
    EXPECT_LT(frame.content.bottom(), frame.footer.top() + 0.01);
    EXPECT_GT(frame.content.height(), 0.8 * writer.height());
}

INSTANTIATE_TEST_SUITE_P(Sizes, Frame,
                         ::testing::Values(FrameCase{"A4", QPageSize::A4},
                                           FrameCase{"Letter", QPageSize::Letter}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan::test
