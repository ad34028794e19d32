// Where the small division tables of the group composition screen stand
// ("otdelplan.ini" of the groups folder, read once at start, never written).
#pragma once
#include <array>

struct Model;

inline constexpr int kPlanDivisions = 6;

struct DivisionPlanEntry {
    int labelLeft = 0;  // pixels
    int shown = 0;      // 1 shows the division's label and table
};

struct DivisionPlan {
    std::array<DivisionPlanEntry, kPlanDivisions + 1> entries{};  // [1..6]
    int count = 0;  // entries read, at most six
};

// Reads "otdelplan.ini": a count, a separator, then per division labelLeft and
// shown. A missing file or a value that is no integer is a FileError; entries past
// the sixth are not read.
void LoadDivisionPlan(Model& model);
