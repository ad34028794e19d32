#include "store/division_plan.h"

#include <algorithm>

#include "shell/model.h"
#include "base/textfile.h"

void LoadDivisionPlan(Model& model) {
    const std::string path = model.config.groupsFolder + "otdelplan.ini";
    TextReader r = TextReader::Open(path);
    long count = r.ReadInt();
    if (count < 0) throw FileError("Invalid numeric input", path);
    r.Skip();
    DivisionPlan plan;
    // The screen has six division tables; further entries are not read.
    plan.count = static_cast<int>(std::min<long>(count, kPlanDivisions));
    for (int d = 1; d <= plan.count; ++d) {
        plan.entries[d].labelLeft = static_cast<int>(r.ReadInt());
        plan.entries[d].shown = static_cast<int>(r.ReadInt());
    }
    model.divisionPlan = plan;
}
