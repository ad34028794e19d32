#include "shell/startup.h"

#include "store/departments.h"
#include "store/groups.h"
#include "store/rooms.h"
#include "base/textfile.h"
#include "extracts/extracts.h"
#include "store/pseudonyms.h"
#include "store/division_plan.h"
#include "timetable/specialisation.h"
#include "timetable/timetable.h"
#include "timetable/bells.h"
#include "store/written_work.h"

std::string StartupTitle(const Model& model) { return model.config.titlePrefix + " : Урокосет"; }

namespace {

// Step 5: the shared lists and the room sets.
void LoadSharedLists(Model& model) {
    LoadWrittenWorkRules(model);  // "pismen.set"
    LoadPseudonyms(model);        // "psevdon.set"
    LoadSpecialGroupLines(model);
    LoadRoomSets(model);
}

// Step 6: every subsystem's initial modes.
void SetInitialModes(Model& model, const Clock& clock) {
    model.sel = Selection{};
    model.sel.day = clock.Now().weekday;
    model.options = DisplayOptions{};
}

// Step 9: the data, each part relying on the ones before it.
void LoadData(Model& model) {
    // 9.1 divisions, courses and groups
    LoadGroups(model);
    // 9.2 every group's timetable and lesson limits
    LoadAllTimetables(model);
    // 9.3 departments, teachers, absences, occupancy, orders lists
    LoadDepartments(model);
    // 9.4 current department and teacher
    model.sel.department = 1;
    model.sel.teacher = 1;
    // 9.5 bell schedules
    LoadBellSchedules(model);
    // 9.6 rooms and room notes
    LoadRooms(model);
    // 9.7 specialisations and specialisation days
    LoadSpecialisations(model);
    // 9.8 extracts and placed counts
    LoadAllExtracts(model);
    ComputePlacedCounts(model);
}

}  // namespace

void RunStartup(Model& model, const std::string& workFolder, const Clock& clock, StartupWindow& window) {
    model.loaded = false;
    window.PlaceWindow();
    ReadConfigChain(model.config, workFolder);
    window.ShowCatalogCaptions(model);
    ReadCatalogConfig(model.config);
    LoadSharedLists(model);
    SetInitialModes(model, clock);
    window.SetInitialMenuState(model);
    // Step 7, the day-name tables, are constants (kShortDayNames and the others).
    window.SetTitle(StartupTitle(model));
    LoadData(model);
    LoadDivisionPlan(model);  // step 10: placement of the composition screen's division tables
    window.LayOutScreens(model);
    model.loaded = true;
    window.ShowMainMenu(model);
}

void RunStartup(Model& model, const std::string& workFolder, const Clock& clock) {
    StartupWindow none;
    RunStartup(model, workFolder, clock, none);
}
