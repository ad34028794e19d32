// The demo college: a fictional music and pedagogy college, written
// deterministically. `full` fills every table to its limit (benchmarks, stress).
#pragma once
#include <string>

#include "shell/model.h"

struct DemoOptions {
    bool full = false;
};

// Writes the working folder DIR: "urk-jer.ini", the settings folder and every
// catalog with its data. Existing files are overwritten.
void WriteDemoCollege(const std::string& dir, const DemoOptions& options);

// The stages, one per subsystem, each filling the model of one catalog and
// writing its files through the model's own savers. They run in this order.
void WriteDemoConfig(const std::string& dir);
void CreateDemoFolders(const AppConfig& config);
void WriteDemoStore(Model& model, const DemoOptions& options);
// Extracts, specialisations, a partly composed timetable with the teachers' codes,
// lesson limits, bells, pseudonyms and written-work rules.
void WriteDemoTimetable(Model& model, const DemoOptions& options);
// "otdelplan.ini" and the room picker of the group composition screen.
void WriteDemoComposition(Model& model, const DemoOptions& options);
