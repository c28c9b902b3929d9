#pragma once
// The identity of each numeric input; its table is model/input_ranges.h.

namespace zan {

// Every numeric input. Within the pavement and traffic blocks the order is the order in
// which OK checks the fields; the axle-load dialog checks its four columns row by row.
enum class InputField {
    TrialThickness,
    SubgradeModulus,
    ModulusOfRupture,
    AverageDailyTraffic,
    TruckPercent,
    DirectionPercent,
    LanePercent,
    GrowthPercent,
    DesignPeriod,
    LoadSafetyFactor,
    SingleAxleLoad,
    SingleAxleCount,
    TandemAxleLoad,
    TandemAxleCount,
};

}  // namespace zan
