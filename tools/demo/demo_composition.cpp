// The demo college's group composition screen: where its division tables stand
// ("otdelplan.ini") and its room tables below the day tables ("audrasp.ini").
#include "demo/demo.h"
#include "base/textfile.h"

void WriteDemoComposition(Model& model, const DemoOptions& options) {
    // Division tables side by side along the bottom edge; a division that does not fit is hidden.
    TextWriter plan;
    const int n = std::min(model.divisions.size(), kPlanDivisions);
    plan.Int(n).Separator();
    int left = 5;
    for (int d = 1; d <= n; ++d) {
        const int width = 80 + model.divisions[d].columns * (d == 6 ? 29 : 28);
        const bool fits = left + width <= 1010;
        plan.Int(fits ? left : 0).Int(fits ? 1 : 2);
        if (fits) left += width + 12;
    }
    plan.Separator();
    plan.Save(model.config.groupsFolder + "otdelplan.ini");

    // The room picker of the store's layout, moved up under the day tables so that the
    // division tables and the status lines keep the bottom strip.
    RoomLayout layout = LoadRoomLayout(model, kCompositionLayout);
    layout.head = {462, 195, 462, 470};
    const int top = layout.parts.empty() ? 0 : layout.parts.front().gridTop;
    for (RoomLayoutPart& p : layout.parts) {
        p.captionTop += 462 - top;
        p.gridTop += 462 - top;
    }
    SaveRoomLayout(model, kCompositionLayout, layout);
    (void)options;
}
