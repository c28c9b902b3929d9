#include "model/catalogue.h"

#include <gtest/gtest.h>

namespace zan::catalogue {
// The table scripts/catalogue.py made from tests/data/zan_xx.ts (see CMakeLists.txt).
std::span<const Language> fixtureLanguages();
}  // namespace zan::catalogue

namespace {

using namespace zan::catalogue;

const Language& fixture() {
    return fixtureLanguages()[1];
}

struct LookUpCase {
    const char* name;
    const char* context;
    const char* source;
    const char* expected;
};

// The generator's byte order and the lookup's must agree, accents and line ends included.
const LookUpCase kLookUps[] = {
    {"found", "Verdict", "The slab passes.", "La losa cumple."},
    {"word order is the translator's", "Verdict", "Fatigue %1 %, erosion %2 %",
     "Erosión %2 %, fatiga %1 %"},
    {"accented context and source", "Énfasis", "Módulo", "Módulo de ruptura"},
    {"neighbour of an accented source", "Énfasis", "Modulus", "Módulo"},
    {"carriage return kept", "Énfasis", "Two lines:\r\nsecond", "Dos líneas:\r\nsegunda"},
    {"unfinished stays English", "Verdict", "Not yet translated", "Not yet translated"},
    {"vanished stays English", "Verdict", "Gone from the sources", "Gone from the sources"},
    {"unknown text", "Verdict", "The slab fails.", "The slab fails."},
    {"other context", "Messages", "The slab passes.", "The slab passes."},
};

TEST(Catalogue, LooksUpTheGeneratedTable) {
    EXPECT_EQ(fixtureLanguages()[0].code, kSourceLanguage);
    ASSERT_EQ(fixture().code, "xx");
    // The desktop window's own context stays in its .qm file.
    EXPECT_EQ(fixture().entries.size(), 5U);
    for (const LookUpCase& c : kLookUps)
        EXPECT_EQ(lookUp(fixture(), c.context, c.source), c.expected) << c.name;
}

TEST(Catalogue, ReplacesNumberedArguments) {
    const struct {
        const char* text;
        std::initializer_list<std::string_view> arguments;
        const char* expected;
    } cases[] = {
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"100 % of %1", {"h"}, "100 % of h"},
        {"an argument's %1 stays", {"%2", "x"}, "an argument's %2 stays"},
        {"%3 has no argument", {"a"}, "%3 has no argument"},
        {"ends in %", {}, "ends in %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(arg(c.text, c.arguments), c.expected) << c.text;
}

TEST(Catalogue, ChoosesTheLanguageTheEnvironmentAsksFor) {
    // The build's own catalogues: English and Spanish at least.
    const struct {
        const char* language;
        const char* lcAll;
        const char* lang;
        const char* expected;
    } cases[] = {
        {"", "", "", "en"},
        {"", "", "es_ES.UTF-8", "es"},
        {"", "", "es_MX", "es"},
        {"", "C", "es_ES.UTF-8", "en"},  // LC_ALL rules over LANG
        {"", "es_AR.UTF-8", "en_US.UTF-8", "es"},
        {"fr:es", "", "en_US.UTF-8", "es"},  // LANGUAGE's first language with a catalogue
        {"fr", "", "es_ES.UTF-8", "en"},
        {"", "", "POSIX", "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageFromEnvironment(c.language, c.lcAll, c.lang), c.expected)
            << c.language << "|" << c.lcAll << "|" << c.lang;
    EXPECT_EQ(matchLanguage("ES-419"), "es");
    EXPECT_EQ(matchLanguage("de_DE"), "");
}

TEST(Catalogue, KeepsTheLanguageInForceUntilAKnownOneIsSet) {
    EXPECT_EQ(language(), "en");
    EXPECT_FALSE(setLanguage("de"));
    EXPECT_EQ(language(), "en");
    EXPECT_TRUE(setLanguage("es"));
    EXPECT_EQ(language(), "es");
    EXPECT_EQ(translate("Verdict", "no such text"), "no such text");
    EXPECT_TRUE(setLanguage("en"));
    EXPECT_EQ(translateTo("xx", "Verdict", "The slab passes."), "The slab passes.");
}

}  // namespace
