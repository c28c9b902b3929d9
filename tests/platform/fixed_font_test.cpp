// The face of the report box, the printed report and the PDF must keep the report's columns.

#include <gtest/gtest.h>
#include <QFont>
#include <QFontInfo>

#include "platform/fixed_font.h"

namespace zan {
namespace {

TEST(FixedPitchFont, AdvancesEvenlyAtEverySizeTheProgramUses) {
    for (double points : {6.8, 10.0, 12.0}) {
        const QFont font = fixedPitchFont(points);
        EXPECT_TRUE(advancesEvenly(font)) << points << " pt: " << qPrintable(font.family());
        EXPECT_DOUBLE_EQ(font.pointSizeF(), points);
    }
}

TEST(FixedPitchFont, AProportionalFaceDoesNotAdvanceEvenly) {
    QFont proportional(QStringLiteral("DejaVu Sans"));
    proportional.setPointSize(12);
    ASSERT_FALSE(QFontInfo(proportional).fixedPitch()) << "the machine lacks DejaVu Sans";
    EXPECT_FALSE(advancesEvenly(proportional));
}

}  // namespace
}  // namespace zan
