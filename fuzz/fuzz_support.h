#pragma once
// Checks shared by the fuzz targets. A failed check prints what it saw and aborts, which
// libFuzzer reports as a crash with the input that caused it.

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/analysis.h"
#include "model/workspace.h"

namespace zan::fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s\n%.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void check(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok)
        fail(what, detail);
}

inline std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Every text the user typed or a file supplied, as the report may print it unchanged.
inline std::vector<std::string> inputTexts(const Workspace& w) {
    const PavementInputs& p = w.pavement();
    const TrafficInputs& t = w.traffic();
    std::vector<std::string> texts{p.thickness,           p.subgradeModulus, p.modulusOfRupture,
                                   t.averageDailyTraffic, t.truckPercent,    t.growthPercent,
                                   t.directionPercent,    t.lanePercent,     t.loadSafetyFactor,
                                   t.designPeriod};
    for (const AxleRowTexts& row : w.axles().rows) {
        texts.push_back(row.singleLoad);
        texts.push_back(row.singleCount);
        texts.push_back(row.tandemLoad);
        texts.push_back(row.tandemCount);
    }
    return texts;
}

inline bool anyTextHoldsLineEnd(const std::vector<std::string>& texts) {
    for (const std::string& t : texts)
        if (t.find_first_of("\r\n") != std::string::npos)
            return true;
    return false;
}

// A report is CR LF lines throughout, and no number in it reads "inf", "nan" or "overflow":
// those words may appear only where an input text holding them is printed as typed.
inline void checkReportText(const std::string& report, const std::vector<std::string>& texts) {
    if (!anyTextHoldsLineEnd(texts)) {
        check(report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") == 0,
              "the report does not end with CR LF");
        for (std::size_t i = 0; i < report.size(); ++i) {
            if (report[i] == '\r')
                check(i + 1 < report.size() && report[i + 1] == '\n', "lone CR in the report");
            if (report[i] == '\n')
                check(i > 0 && report[i - 1] == '\r', "lone LF in the report");
        }
    }
    const std::string lower = lowerCase(report);
    for (const char* word : {"inf", "nan", "overflow"}) {
        if (lower.find(word) == std::string::npos)
            continue;
        bool typed = false;
        for (const std::string& t : texts)
            typed = typed || lowerCase(t).find(word) != std::string::npos;
        check(typed, "a number in the report reads inf, nan or overflow", report);
    }
}

}  // namespace zan::fuzz
