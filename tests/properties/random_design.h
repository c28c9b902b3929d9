#pragma once
// Deterministic random designs for the property tests. The generator is our own (splitmix64
// and plain modulo draws, no <random> distributions), so a failing case number reproduces
// the same design on every standard library.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/text_encoding.h"
#include "model/workspace.h"

namespace zan::test {

class Random {
  public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0); the tiny modulo bias does not matter here.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[below(N)];
    }

  private:
    std::uint64_t m_state;
};

// Any Windows-1252 character but the double quote and the line ends, as UTF-8: every text a
// dialog field can hold and the .DEF format can carry. NUL and 8-bit characters included.
inline std::string anyText(Random& r, std::size_t maxLength) {
    std::string s(r.below(maxLength + 1), ' ');
    for (char& c : s) {
        unsigned char b;
        do
            b = static_cast<unsigned char>(r.below(256));
        while (b == '"' || b == '\r' || b == '\n');
        c = static_cast<char>(b);
    }
    return textEncoding::fromWindows1252(s);
}

// Texts that read as plausible design values, written the ways people type them.
inline std::string numberText(Random& r, double low, double high) {
    const double v = low + (high - low) * static_cast<double>(r.below(1000001)) / 1e6;
    char buffer[64];
    switch (r.below(6)) {
        case 0:
            std::snprintf(buffer, sizeof buffer, "%.0f", v);
            break;
        case 1:
            std::snprintf(buffer, sizeof buffer, "%.2f", v);
            break;
        case 2:
            std::snprintf(buffer, sizeof buffer, " %.3g ", v);
            break;
        case 3:
            std::snprintf(buffer, sizeof buffer, "%.4E", v);
            break;
        case 4:
            std::snprintf(buffer, sizeof buffer, "%.1f units", v);
            break;
        default:
            std::snprintf(buffer, sizeof buffer, "%g", v);
            break;
    }
    return buffer;
}

// Texts at the edges of what the core reads.
inline const std::array<std::string, 24>& edgeTexts() {
    static const std::array<std::string, 24> texts{"",
                                                   "0",
                                                   "-0",
                                                   "-5",
                                                   "1e39",
                                                   "1e308",
                                                   "1e400",
                                                   "-1e400",
                                                   "1e-310",
                                                   "1e-400",
                                                   "&HFFFFFFFF",
                                                   "&O777",
                                                   "1D5",
                                                   "abc",
                                                   "12,900",
                                                   "9 . 5",
                                                   std::string(1000, ' '),
                                                   std::string(10000, '9'),
                                                   std::string(10000, 'x'),
                                                   "  7  ",
                                                   "NaN",
                                                   "Infinity",
                                                   "\u00ff\u00e9",
                                                   "3.4028236e38"};
    return texts;
}

// A design whose texts are mostly plausible, with odd texts and edge values now and then.
struct DesignFlavour {
    int oddTextPercent = 5;   // any Latin-1 text
    int edgeTextPercent = 5;  // one of edgeTexts()
};

inline std::string designText(Random& r, const DesignFlavour& f, double low, double high) {
    if (r.chance(f.edgeTextPercent))
        return r.pick(edgeTexts());
    if (r.chance(f.oddTextPercent))
        return anyText(r, 12);
    return numberText(r, low, high);
}

inline Workspace randomDesign(Random& r, const DesignFlavour& f = {}) {
    Workspace w;
    const UnitSystem units = r.chance(50) ? UnitSystem::Metric : UnitSystem::English;
    w.chooseUnitSystem(units);
    const bool metric = units == UnitSystem::Metric;
    PavementInputs& p = w.ensurePavement();
    p.thickness = designText(r, f, metric ? 15 : 6, metric ? 35 : 14);
    p.subgradeModulus = designText(r, f, metric ? 14 : 50, metric ? 190 : 700);
    p.modulusOfRupture = designText(r, f, metric ? 3400 : 500, metric ? 6200 : 900);
    p.concreteShoulder = r.chance(50);
    p.doweledJoints = r.chance(50);
    TrafficInputs& t = w.ensureTraffic();
    t.averageDailyTraffic = designText(r, f, 100, 50000);
    t.truckPercent = designText(r, f, 1, 40);
    t.growthPercent = designText(r, f, -1, 8);
    t.directionPercent = designText(r, f, 40, 60);
    t.lanePercent = designText(r, f, 50, 100);
    t.loadSafetyFactor = designText(r, f, 1, 1.3);
    t.designPeriod = designText(r, f, 5, 40);
    for (AxleRowTexts& row : w.ensureAxles().rows) {
        row.singleLoad = designText(r, f, metric ? 40 : 10, metric ? 180 : 40);
        row.singleCount = designText(r, f, 0, 200);
        row.tandemLoad = designText(r, f, metric ? 80 : 20, metric ? 350 : 80);
        row.tandemCount = designText(r, f, 0, 200);
    }
    w.setDetailedReports(r.chance(20));
    return w;
}

}  // namespace zan::test
