#pragma once
// The program's texts in the user's language. English is the source: a text is written in
// English where it is made and looked up here by its context and that English text, so that
// an English run, and every file other programs read, never goes through the catalogue.
//
// The catalogues are the Qt translation files translations/zan_LANG.ts, one per language and
// the only file a translator edits. The desktop's windows read them compiled by lrelease,
// through Qt's tr(); the build turns the same files into this table (scripts/catalogue.py),
// for the core and the web page. The contexts zan and zan::Class are the desktop's and stay
// out of the table; every other context (Verdict, Messages, Memo, Web, ...) is the core's or
// the web page's. lupdate finds the texts by catalogue::translate("Context", "Text") and by
// ZAN_TRANSLATE_NOOP("Context", "Text") where a table or constant holds the text.
//
// Exchanged files (.DEF, .PRN, zan-report's output and CSV) are never translated: zan-report
// never sets a language, and their writers never call translate().

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Marks a text for the catalogue where it is defined; translate() looks it up where it is
// shown. lupdate reads it as QT_TRANSLATE_NOOP (its -tr-function-alias in scripts/catalogue.py).
#define ZAN_TRANSLATE_NOOP(context, text) text

namespace zan::catalogue {

// One translated text; a catalogue's entries are sorted by context, then source, as bytes.
struct Entry {
    std::string_view context;
    std::string_view source;       // the English text
    std::string_view translation;  // UTF-8, as every text of the core
};

struct Language {
    std::string_view code;  // "en", "es": the catalogue file's suffix
    std::span<const Entry> entries;
};

inline constexpr std::string_view kSourceLanguage = "en";

// English, which is the source texts and has no entries, then every catalogue of the build
// (defined in the table scripts/catalogue.py makes from translations/zan_*.ts).
std::span<const Language> languages();

// The language of a locale or language tag ("es_MX.UTF-8", "es-419", "es"): the code of a
// catalogue the build has, or empty when there is none for it.
std::string_view matchLanguage(std::string_view tag);

// The language the environment asks for: the first of LANGUAGE, LC_ALL, LANG that is set
// and not empty decides (LANGUAGE's list is read in order); English when it names no
// language the build has. The values are passed in, so that a test needs no environment.
std::string_view languageFromEnvironment(std::string_view languageList, std::string_view lcAll,
                                         std::string_view lang);

// The language in force for the whole program, English until set. A program sets it once,
// before it makes any text; a code without a catalogue leaves it unchanged and gives false.
bool setLanguage(std::string_view code);
// The same for a catalogue the build does not ship (a test's); it must outlive its use.
void useLanguage(const Language& language);
std::string_view language();

// The text in the given language or the language in force; the English source when the
// catalogue has no finished translation of it.
std::string translate(std::string_view context, std::string_view source);
std::string translateTo(std::string_view code, std::string_view context, std::string_view source);
// The same in one catalogue: its translation, or the source itself.
std::string_view lookUp(const Language& language, std::string_view context,
                        std::string_view source);

// %1 to %9 of a text replaced by the arguments, in one pass, so that an argument's own % signs
// stay as they are; a %N without an argument stays too. Word order is the translator's.
std::string arg(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace zan::catalogue
