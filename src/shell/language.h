#pragma once
// The language of the windows, the memo and the core's texts. The desktop program chooses it
// once at start-up, before it makes a window: --lang, or else the system's language. What goes
// into exchanged files (.DEF, .PRN, CSV) stays English whatever the choice.

#include <QString>
#include <string_view>

namespace zan {

// Puts a language in force: the core's catalogue, this program's translations of its windows
// and Qt's own texts (standard buttons, file and print dialogs). English, the source language,
// needs none. False, with nothing changed, for a language the build has no catalogue of.
bool useLanguage(std::string_view code);

// The user guide in the language in force, or the English guide where it has none.
QString userGuideResource();

}  // namespace zan
