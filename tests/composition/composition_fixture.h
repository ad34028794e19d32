// A small college for the placement rules: two groups, three teachers, four rooms
// (the last one small) and an extract with every shape of line.
#pragma once
#include "platform/dialogs.h"
#include "composition/composition.h"
#include "timetable/model_fixture.h"

struct CompositionCollege : SmallCollege {
    ScriptedDialogs dialogs;

    // Extract lines of group 101.
    enum { kWhole = 1, kSplit, kUnknownLine, kPractice, kDone, kSubOnly };

    CompositionCollege() {
        AppConfig& c = model->config;
        c.occupancyFolder = dir.path() + "/zan/";
        c.practiceFolder = dir.path() + "/prakt/";
        MakeFolders(c.occupancyFolder);
        MakeFolders(c.practiceFolder);
        c.colourC = 0x00FF00;
        c.colourD = 0x808000;
        AddGroups({"101", "102"});
        AddTeachers({"Иванова", "Петров", "Сидоров"});
        for (Teacher& t : model->departments[1].teachers) {
            t.fileKey = t.surname;
            t.displayName = t.surname + " А.Б.";
        }
        AddRooms({"10", "11", "12", "Малый"});
        model->rooms[4].small = 1;
        Teacher& petrov = model->departments[1].teachers[2];
        petrov.room = "12";
        auto& lines = model->extracts[1].lines;
        lines.push_back({"Сольфеджио", 2, "Иванова", 0, "-", 0, "-"});
        lines.push_back({"Фортепиано", 0, "-", 1, "Петров", 1, "Сидоров"});
        lines.push_back({"История", 1, "Неизвестный", 0, "-", 0, "-"});
        lines.push_back({"Педпрактика", 6, "-", 0, "-", 0, "-"});
        lines.push_back({"Хор", 1, "Иванова", 0, "-", 0, "-"});
        lines.push_back({"Ансамбль", 0, "-", 2, "Петров", 0, "-"});
        Put(1, 6, 1, 1, "Хор", "Иванова", "10");
        m().sel.group = 1;
        RedrawGroupComposition(m());
    }
    Teacher& teacher(int t) { return model->departments[1].teachers[t]; }
    CompositionState& state() { return model->composition; }
    std::string ras(const std::string& group = "101") { return model->config.timetableFolder + group + ".ras"; }
    std::string zan(const std::string& surname) { return model->config.occupancyFolder + surname + ".zan"; }
    // Selects the line's part and redraws, as a click on the extract grid does.
    void Select(int line, int column) {
        SelectExtractLine(m(), line, column);
        RedrawGroupComposition(m());
    }
    void Place(int day, int lesson, int column = 1) {
        PlaceAt(m(), day, lesson, column);
        RedrawGroupComposition(m());
    }
    int shown() const { return model->composition.shownStatus; }
};

// Line numbers of a lesson's texts in a ".ras" file: discipline, teacher, room of a part.
inline size_t RasLine(int day, int lesson, int part, int field) {
    return 2 + ((day - 1) * 14 + (lesson - 1)) * 11 + 1 + (part - 1) * 3 + field;
}
