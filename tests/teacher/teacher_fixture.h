// A small college for the composition tests: groups, teachers with their ".zan"
// files, rooms and extract lines; the results are read back from the files.
#pragma once
#include <string>
#include <vector>

#include "timetable/model_fixture.h"

struct TeacherWeekCollege : SmallCollege {
    TeacherWeekCollege() {
        AppConfig& c = model->config;
        c.occupancyFolder = dir.path() + "/zan/";
        MakeFolders(c.occupancyFolder);
        c.autoCompositionAllowed = true;
        c.colourC = 0x00FF80;
        c.colourD = 0x8080FF;
    }

    // One department of teachers "Surname" with initials "А.А." and their week files.
    void Teachers(const std::vector<std::string>& surnames) {
        AddTeachers(surnames);
        Department& d = model->departments[model->departments.size()];
        for (Teacher& t : d.teachers) {
            t.initials = "А.А.";
            t.displayName = t.surname + " " + t.initials;
            t.fileKey = t.surname;
        }
    }
    Teacher& T(const std::string& surname) {
        for (Department& d : model->departments)
            for (Teacher& t : d.teachers)
                if (t.surname == surname) return t;
        throw std::runtime_error("no teacher " + surname);
    }
    void Select(const std::string& surname) { FindTeacher(*model, surname); }

    ExtractLine& Line(int group, const std::string& discipline, int hoursGroup, const std::string& teacherGroup,
                      int hoursSub1 = 0, const std::string& teacherSub1 = "-", int hoursSub2 = 0,
                      const std::string& teacherSub2 = "-") {
        ExtractLine line;
        line.discipline = discipline;
        line.hoursGroup = hoursGroup;
        line.teacherGroup = teacherGroup;
        line.hoursSub1 = hoursSub1;
        line.teacherSub1 = teacherSub1;
        line.hoursSub2 = hoursSub2;
        line.teacherSub2 = teacherSub2;
        model->extracts[group].lines.push_back(line);
        return model->extracts[group].lines[model->extracts[group].lines.size()];
    }
    Room& RoomKeptBy(const std::string& number, const std::string& keeper) {
        AddRooms({number});
        Room& r = model->rooms[model->rooms.size()];
        r.keeper = keeper;
        return r;
    }

    // The entry of (day, lesson, part 1 group / 2 sub1 / 3 sub2) as the group's ".ras" holds it:
    // discipline, teacher, room joined by "|".
    std::string RasEntry(const std::string& group, int day, int lesson, int part) const {
        std::vector<std::string> lines = ReadLines(model->config.timetableFolder + group + ".ras");
        size_t at = 2 + ((day - 1) * 14 + (lesson - 1)) * 11 + 1 + (part - 1) * 3;
        if (lines.size() < at + 3) return "<missing>";
        return lines[at] + "|" + lines[at + 1] + "|" + lines[at + 2];
    }
    // The whole-group lessons of a group's ".ras" holding `discipline`, as "day.lesson".
    std::vector<std::string> RasLessons(const std::string& group, const std::string& discipline, int part = 1) const {
        std::vector<std::string> found;
        std::vector<std::string> lines = ReadLines(model->config.timetableFolder + group + ".ras");
        for (int d = 1; d <= 6; ++d)
            for (int l = 1; l <= 14; ++l) {
                size_t at = 2 + ((d - 1) * 14 + (l - 1)) * 11 + 1 + (part - 1) * 3;
                if (at < lines.size() && lines[at] == discipline)
                    found.push_back(std::to_string(d) + "." + std::to_string(l));
            }
        return found;
    }
    // The teacher's day string as the ".zan" file holds it.
    std::string Zan(const std::string& surname, int day) const {
        std::vector<std::string> lines = ReadLines(model->config.occupancyFolder + surname + ".zan");
        return day < static_cast<int>(lines.size()) ? lines[day] : "<missing>";
    }
    bool ZanExists(const std::string& surname) const {
        return FileExists(model->config.occupancyFolder + surname + ".zan");
    }
};
