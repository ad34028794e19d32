// A small model over a temporary semester folder, for the timetable, extract and view tests.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "common/fixtures.h"
#include "shell/model.h"
#include "base/textfile.h"

struct SmallCollege {
    TempFolder dir;
    std::unique_ptr<Model> model = std::make_unique<Model>();

    SmallCollege() {
        AppConfig& c = model->config;
        const std::string root = dir.path() + "/";
        c.timetableFolder = root + "ras/";
        c.autoFolder = root + "avtomat.urk/";
        c.extractsFolder = root + "vyp/";
        c.specialisationFolder = root + "specializ/";
        c.bellsFolder = root + "zvonki/";
        c.listsFolder = root + "spiski/";
        for (const std::string* f : {&c.timetableFolder, &c.autoFolder, &c.extractsFolder, &c.specialisationFolder,
                                     &c.bellsFolder, &c.listsFolder})
            MakeFolders(*f);
    }
    Model& m() { return *model; }

    void AddGroups(const std::vector<std::string>& numbers) {
        for (const std::string& n : numbers) {
            Group g;
            g.number = n;
            g.division = "Фортепиано";
            model->groups.push_back(g);
        }
        model->timetables.resize(model->groups.size());
        model->lessonLimits.resize(model->groups.size());
        model->extracts.resize(model->groups.size());
    }
    // One department holding the given surnames.
    void AddTeachers(const std::vector<std::string>& surnames) {
        Department d;
        d.title = "Кафедра";
        d.fileKey = "kaf" + std::to_string(model->departments.size() + 1);
        for (const std::string& s : surnames) {
            Teacher t;
            t.surname = s;
            for (int day = 1; day <= kDays; ++day) t.occupancy[day] = std::string(kLessons, '0');
            d.teachers.push_back(t);
        }
        model->departments.push_back(d);
    }
    void AddRooms(const std::vector<std::string>& numbers) {
        for (const std::string& n : numbers) {
            Room r;
            r.number = n;
            for (int d = 1; d <= kDays; ++d)
                for (int l = 1; l <= kLessons; ++l) r.notes.note1[d][l] = r.notes.note2[d][l] = "-";
            model->rooms.push_back(r);
        }
    }
    LessonEntry& Entry(int group, int day, int lesson, int part) {
        return model->timetables[group].at(day, lesson).part(part);
    }
    void Put(int group, int day, int lesson, int part, const std::string& discipline, const std::string& teacher,
             const std::string& room = "-") {
        Entry(group, day, lesson, part) = LessonEntry{discipline, teacher, room};
    }
};
