// The example designs are exactly what the program writes for them, so they read back and
// save again byte for byte.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>

#include "io/def_file.h"
#include "model/axle_spectra.h"
#include "support/files.h"

namespace zan {
namespace {

namespace fs = std::filesystem;

std::string readExample(const char* name) {
    return test::readBytes(fs::path(ZAN_EXAMPLES_DIR) / name);
}

struct ExampleCase {
    const char* file;
    UnitSystem units;
    std::optional<AxleLoadCategory> category;  // none: the initial standard spectrum
    ProjectInfo project = {};
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.file;
}

class Example : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(Example, ReadAndWrittenBackGivesTheSameBytes) {
    const std::string bytes = readExample(GetParam().file);
    ASSERT_FALSE(bytes.empty());
    auto contents = parseDefFile(bytes);
    ASSERT_TRUE(contents.ok());
    Workspace workspace;
    applyDefFile(workspace, *contents);
    EXPECT_EQ(writeDefFile(workspace), bytes);
}

// The file a user gets by choosing the units, applying the category (or nothing) and saving.
TEST_P(Example, IsWhatTheProgramSavesForThatDesign) {
    const ExampleCase& c = GetParam();
    Workspace workspace;
    ASSERT_TRUE(workspace.chooseUnitSystem(c.units));
    if (c.category)
        applyAxleLoadCategory(workspace, *c.category);
    workspace.setProject(c.project);
    EXPECT_EQ(writeDefFile(workspace), readExample(c.file));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Example,
    ::testing::Values(
        ExampleCase{"initial-english.DEF", UnitSystem::English, std::nullopt},
        ExampleCase{"initial-metric.DEF", UnitSystem::Metric, std::nullopt},
        ExampleCase{"light.DEF", UnitSystem::English, AxleLoadCategory::Light},
        ExampleCase{"medium.DEF", UnitSystem::English, AxleLoadCategory::Medium},
        ExampleCase{"heavy.DEF", UnitSystem::English, AxleLoadCategory::Heavy,
                    ProjectInfo{"County Road 12 reconstruction", "km 4.2 to km 7.9",
                                "County Highway Department", "A. Engineer", "B. Reviewer", "A",
                                "Heavy axle-load category; shoulders and dowels "
                                "as built"}},
        ExampleCase{"very-heavy.DEF", UnitSystem::English, AxleLoadCategory::VeryHeavy}),
    [](const auto& info) {
        std::string name;
        for (const char* p = info.param.file; *p != '.'; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p)))
                name += *p;
        return name;
    });

}  // namespace
}  // namespace zan
