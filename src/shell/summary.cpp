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
    lines.push_back("specialisations: " + std::to_string(model.specialisations.size()));
    lines.push_back("extract lines: " + std::to_string(ExtractLineCount(model)));
    lines.push_back("placed lessons: " + std::to_string(PlacedLessonCount(model)));
    // The main menu's caption after start-up, with the lesson running at the clock's moment.
    lines.push_back("caption: " + CaptionFor(model, ScreenId::kMainMenu, PresentMoment(model, clock)));
    return lines;
}
