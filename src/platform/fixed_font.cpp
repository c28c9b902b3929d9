#include "fixed_font.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QString>

namespace zan {

bool advancesEvenly(const QFont& font) {
    // The report's letters, digits and marks; a proportional face differs on i, W and blanks.
    static const QString kSample = QStringLiteral(" iW0.,%*=:()-/lmAaSsDdTt9");
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(kSample.front());
    for (const QChar c : kSample)
        if (metrics.horizontalAdvance(c) != width)
            return false;
    return width > 0.0;
}

QFont fixedPitchFont(double points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(points);
    if (QFontInfo(font).fixedPitch() && advancesEvenly(font))
        return font;
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono", "Monospace"}) {
        QFont candidate(QString::fromLatin1(family));
        candidate.setStyleHint(QFont::TypeWriter);
        candidate.setFixedPitch(true);
        candidate.setPointSizeF(points);
        if (advancesEvenly(candidate))
            return candidate;
    }
    // Nothing better is installed; the desktop's choice at least is meant to be fixed pitch.
    return font;
}

}  // namespace zan
