// Header only, shared by the store tests. A model whose folders all lie in one temporary folder, with small data files.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/fixtures.h"
#include "shell/model.h"
#include "base/textfile.h"
#include "store/orders.h"

struct StoreFixture : ::testing::Test {
    TempFolder dir;
    std::unique_ptr<Model> model = std::make_unique<Model>();

    StoreFixture();
    std::string File(const std::string& name) const { return dir / name; }
    void Write(const std::string& name, const std::vector<std::string>& lines) const { WriteLines(File(name), lines); }
    std::vector<std::string> Read(const std::string& name) const { return ReadLines(File(name)); }

    // Five empty orders lists, so that the department load completes.
    void WriteEmptyOrdersLists() const;
    // Departments "Фортепиано" (teachers Абрамова, Белов part-time, Волков) and "Совместители" (Гусев).
    void WriteTwoDepartments() const;
};

// The twelve lines of one teacher in a ".kaf" file.
inline std::vector<std::string> TeacherLines(const std::string& surname, const std::string& initials, int kind,
                                      const std::string& room = "-");

inline StoreFixture::StoreFixture() {
    SetDecimalSeparator(',');
    AppConfig& c = model->config;
    std::string f = dir.path() + "/";
    for (std::string* folder : {&c.departmentsFolder, &c.roomsFolder, &c.roomNotesFolder, &c.bellsFolder,
                                &c.groupsFolder, &c.extractsFolder, &c.practiceFolder, &c.occupancyFolder,
                                &c.timetableFolder, &c.specialisationFolder, &c.listsFolder, &c.absenceFolder})
        *folder = f;
}

inline void StoreFixture::WriteEmptyOrdersLists() const {
    for (int n = 1; n <= kOrdersLists; ++n) Write(kOrdersListFiles[n], {"Список " + std::to_string(n), "0", "-------"});
}

inline std::vector<std::string> TeacherLines(const std::string& surname, const std::string& initials, int kind,
                                             const std::string& room) {
    return {surname, initials, "Имя Отчество", surname, std::to_string(kind), room, "1,50", "0,00",
            "111-11-11", "+7 900 000-00-00", "", "-------"};
}

inline void StoreFixture::WriteTwoDepartments() const {
    Write("kafedry.set", {"2", "-------", "Кафедра фортепиано", "доп", "Фортепиано", "fort", "-------",
                          "Совместители и внешние", "доп", "Совм.", "sovm"});
    std::vector<std::string> kaf = {"fort", "Кафедра фортепиано", "3", "-------"};
    for (auto& t : {TeacherLines("Абрамова", "А.А.", 1, "12"), TeacherLines("Белов", "Б.Б.", 2),
                    TeacherLines("Волков", "В.В.", 1)})
        kaf.insert(kaf.end(), t.begin(), t.end());
    Write("fort.kaf", kaf);
    std::vector<std::string> sovm = {"sovm", "Совместители и внешние", "1", "-------"};
    auto g = TeacherLines("Гусев", "Г.Г.", 2);
    sovm.insert(sovm.end(), g.begin(), g.end());
    Write("sovm.kaf", sovm);
    WriteEmptyOrdersLists();
}
