#include "shell/summary.h"

#include "shell/navigation.h"
#include "shell/startup.h"
#include "extracts/extracts.h"
#include "timetable/timetable.h"

std::vector<std::string> SummaryLines(const Model& model, const Clock& clock) {
    const AppConfig& c = model.config;
    std::vector<std::string> lines;
    lines.push_back("catalog: " + std::to_string(c.currentCatalog) + " " + c.catalogCaption);
    lines.push_back("data folder: " + c.dataFolder);
    lines.push_back("title: " + StartupTitle(model));
    lines.push_back(std::string("auto composition: ") + (c.autoCompositionAllowed ? "on" : "off"));
    // college data store
    int absent = 0;
    for (const Department& d : model.departments) absent += d.absentCount;
    lines.push_back("departments: " + std::to_string(model.departments.size()));
    lines.push_back("teachers: " + std::to_string(model.allTeachers) + " (staff " + std::to_string(model.staffTeachers) +
                    ", part-time " + std::to_string(model.partTimeTeachers) + ", absent " + std::to_string(absent) + ")");
    lines.push_back("rooms: " + std::to_string(model.rooms.size()));
    lines.push_back("groups: " + std::to_string(model.groups.size()) + " (budget " + std::to_string(model.budgetGroups) +
                    ", contract " + std::to_string(model.contractGroups) + ")");
    // timetable, extracts, specialisations
    lines.push_back("specialisations: " + std::to_string(model.specialisations.size()));
    lines.push_back("extract lines: " + std::to_string(ExtractLineCount(model)));
    lines.push_back("placed lessons: " + std::to_string(PlacedLessonCount(model)));
    // The main menu's caption after start-up, with the lesson running at the clock's moment.
    lines.push_back("caption: " + CaptionFor(model, ScreenId::kMainMenu, PresentMoment(model, clock)));
    return lines;
}
