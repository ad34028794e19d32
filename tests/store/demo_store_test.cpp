// The demo college's store files load and, saved again by the model's own savers, stay byte for byte the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/clock.h"
#include "shell/startup.h"
#include "store/departments.h"
#include "store/groups.h"
#include "store/rooms.h"
#include "base/textfile.h"
#include "store/orders.h"

namespace {

std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file()) files[e.path().string()] = ReadFileBytes(e.path().string());
    return files;
}

void SaveEveryStoreFile(const Model& m) {
    SaveSpecialGroupLines(m);
    SaveRoomSets(m);
    SaveSpecialtyCodes(m);
    SaveGroups(m);
    SaveSheets(m);
    SavePracticeDays(m);
    SaveDutyGroup(m);
    SaveStatePractice(m);
    SaveDepartmentList(m);
    for (int d = 1; d <= m.departments.size(); ++d) {
        SaveDepartment(m, d);
        SaveAbsences(m, d);
        for (int t = 1; t <= m.departments[d].teachers.size(); ++t) SaveOccupancy(m, d, t);
    }
    for (int n = 1; n <= kOrdersLists; ++n) SaveOrdersList(m, n);
    SaveRooms(m);
    SaveRoomPrintNames(m);
    for (int r = 1; r <= m.rooms.size(); ++r) SaveRoomNotes(m, r);
    for (const char* file : {kCompositionLayout, kSpecialisationLayout, kNowLayout})
        SaveRoomLayout(m, file, LoadRoomLayout(m, file));
}

std::unique_ptr<Model> LoadAndResave(const std::string& dir) {
    auto model = std::make_unique<Model>();
    RunStartup(*model, dir, FixedClock(DateTime{}));
    SaveEveryStoreFile(*model);
    return model;
}

TEST(DemoStore, EveryFileReadsBackUnchanged) {
    SetDecimalSeparator(',');
    TempFolder dir;
    WriteDemoCollege(dir.path(), DemoOptions{});
    auto before = Snapshot(dir.path());
    auto model = LoadAndResave(dir.path());
    EXPECT_EQ(Snapshot(dir.path()), before);

    const Model& m = *model;
    EXPECT_EQ(m.departments.size(), 10);
    EXPECT_GE(m.allTeachers, 100);
    EXPECT_LE(m.allTeachers, 150);
    EXPECT_GT(m.partTimeTeachers, 0);
    EXPECT_GE(m.absentTeachers.size(), 2);
    EXPECT_LE(m.absentTeachers.size(), 3);
    EXPECT_GE(m.rooms.size(), 55);
    EXPECT_GE(m.groups.size(), 30);
    EXPECT_LE(m.groups.size(), 45);
    EXPECT_GT(m.contractGroups, 0);
    EXPECT_NE(m.dutyGroup, 0);
    // the layouts cover the room list exactly, in consecutive runs
    for (const char* file : {kCompositionLayout, kNowLayout}) {
        RoomLayout layout = LoadRoomLayout(m, file);
        const RoomLayoutPart& last = layout.parts.back();
        EXPECT_EQ(last.firstRoom + last.roomCount - 1, m.rooms.size()) << file;
    }
    for (const RoomLayoutPart& p : LoadRoomLayout(m, kCompositionLayout).parts) {
        EXPECT_GE(p.gridLeft, 550);
        EXPECT_LE(p.gridLeft + p.gridWidth, 1015);
        EXPECT_LE(p.gridTop + p.gridHeight, 695);
    }
}

TEST(DemoStore, FullCollegeFillsEveryTableToItsLimit) {
    SetDecimalSeparator(',');
    TempFolder dir;
    WriteDemoCollege(dir.path(), DemoOptions{true});
    auto before = Snapshot(dir.path());
    auto model = LoadAndResave(dir.path());
    EXPECT_EQ(Snapshot(dir.path()), before);
    const Model& m = *model;
    EXPECT_EQ(m.departments.size(), kMaxDepartments);
    EXPECT_EQ(m.allTeachers, kMaxDepartments * kMaxTeachers);
    EXPECT_EQ(m.rooms.size(), kMaxRooms);
    EXPECT_EQ(m.roomPrintNames.size(), kMaxRooms);
    EXPECT_EQ(m.roomSets.size(), kMaxRoomSets);
    EXPECT_EQ(m.groups.size(), kMaxGroups);
    EXPECT_EQ(m.divisions.size(), kMaxDivisions);
    EXPECT_TRUE(m.divisions[kMaxDivisions].courses[4].full());
    EXPECT_EQ(m.specialtyCodes.size(), kMaxSpecialtyCodes);
    EXPECT_EQ(m.sheets.size(), kMaxSheets);
    EXPECT_EQ(m.specialGroupLines.size(), kMaxSpecialGroupLines);
    for (int n = 1; n <= kOrdersLists; ++n) EXPECT_TRUE(m.ordersLists[n].entries.full());
}

}  // namespace
