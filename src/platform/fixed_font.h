#pragma once
// The face for texts laid out in columns: the report box, the printed report, the PDF.

class QFont;

namespace zan {

// The desktop's fixed-pitch face at `points`. Some fontconfig setups name as "monospace" a
// face whose glyphs are of one width but that Qt does not know to be fixed pitch, or a
// proportional face; the report's columns would then drift, so such a choice gives way to a
// face whose glyphs really are of one width (DejaVu Sans Mono, installed with the program).
QFont fixedPitchFont(double points);

// True when every character the report uses advances by the same width in `font`.
bool advancesEvenly(const QFont& font);

}  // namespace zan
