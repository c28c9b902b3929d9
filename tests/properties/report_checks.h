#pragma once
// What every report and every committed result must satisfy, as gtest assertions.

#include <cctype>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "model/analysis.h"
#include "model/workspace.h"

namespace zan::test {

inline std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The report's lines; fails the test on a line end other than CR LF.
inline std::vector<std::string> reportLines(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < report.size()) {
        const std::size_t end = report.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the report does not end with CR LF";
            break;
        }
        lines.push_back(report.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << "line " << lines.size();
        start = end + 2;
    }
    return lines;
}

// 35 lines of heading and inputs; 35 for each selected table and 2 more when its total
// exceeds 100 %; 5 for the additional outputs.
inline std::size_t expectedReportLines(const AnalysisResults& r, bool detailed) {
    std::size_t n = 35;
    if (r.fatigueSelected)
        n += 35 + (r.totalFatigueDamage > 100.0f ? 2 : 0);
    if (r.erosionSelected)
        n += 35 + (r.totalErosionDamage > 100.0f ? 2 : 0);
    if (detailed)
        n += 5;
    return n;
}

// No number in a report reads "inf", "nan" or "overflow"; the words may stand in a report
// only where an input text holding them is printed as typed.
inline void expectNoNonFiniteWords(const std::string& report,
                                   const std::vector<std::string>& texts) {
    const std::string lower = lowerCase(report);
    for (const char* word : {"inf", "nan", "overflow"}) {
        if (lower.find(word) == std::string::npos)
            continue;
        bool typed = false;
        for (const std::string& t : texts)
            typed = typed || lowerCase(t).find(word) != std::string::npos;
        EXPECT_TRUE(typed) << "the report shows \"" << word << "\":\n" << report;
    }
}

// Every input text of a workspace, in a fixed order.
inline std::vector<std::string> inputTexts(const Workspace& w) {
    const PavementInputs& p = w.pavement();
    const TrafficInputs& t = w.traffic();
    std::vector<std::string> texts{p.thickness,           p.subgradeModulus, p.modulusOfRupture,
                                   t.averageDailyTraffic, t.truckPercent,    t.growthPercent,
                                   t.directionPercent,    t.lanePercent,     t.loadSafetyFactor,
                                   t.designPeriod};
    for (const AxleRowTexts& row : w.axles().rows)
        for (const std::string* s :
             {&row.singleLoad, &row.singleCount, &row.tandemLoad, &row.tandemCount})
            texts.push_back(*s);
    return texts;
}

}  // namespace zan::test
