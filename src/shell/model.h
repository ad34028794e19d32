// The one model of a run: configuration, every table, the shared selections and
// the display options. Created at start, kept until the program ends.
#pragma once
#include <string>

#include "store/config.h"
#include "shell/shell_state.h"
#include "store/departments.h"
#include "store/groups.h"
#include "store/rooms.h"
#include "store/orders.h"
#include "timetable/timetable.h"
#include "timetable/specialisation.h"
#include "extracts/extracts.h"
#include "timetable/bells.h"
#include "store/pseudonyms.h"
#include "store/written_work.h"
#include "composition/teacher_composition.h"
#include "composition/auto_composition.h"
#include "composition/composition.h"
#include "store/division_plan.h"
#include "composition/specialisation_edit.h"  // week views and specialisation screen
#include "views/week_views.h"

// The current selections shared by every screen (positions, 1-based).
struct Selection {
    int screen = 1;  // ScreenId
    int department = 1;
    int teacher = 1;
    int room = 1;
    int group = 1;
    int day = 1;     // 1..6 (7 = Sunday, only from the clock)
    int lesson = 1;
};

// Display and print options (1 on / 2 off); they live in memory only.
struct DisplayOptions {
    bool hints = true;
    int showUnknownTeacher = 2;
    int boldGroupSheets = 2;
    int groupSheetSize = 1;
    int printPreview = 2;
    int teacherOccupancyCheck = 2;
    int roomPhotographs = 2;
};

struct Model {
    // Every member starts from its own initialiser; the user-provided constructor
    // spares the zero-fill of the whole model before that.
    Model() {}

    AppConfig config;
    Selection sel;
    DisplayOptions options;
    // Set by start-up when every step completed; screens offer no operation before that.
    bool loaded = false;

    // ---- college data store (departments and teachers, rooms, divisions and groups)
    Table<Department, kMaxDepartments> departments;
    int allTeachers = 0, staffTeachers = 0, partTimeTeachers = 0;
    std::string lastDepartmentPrefix;
    Table<AbsentTeacher, kMaxAbsentTeachers> absentTeachers;

    Table<Room, kMaxRooms> rooms;
    Table<RoomPrintName, kMaxRooms> roomPrintNames;
    Table<RoomSet, kMaxRoomSets> roomSets;

    Table<Group, kMaxGroups> groups;
    int budgetGroups = 0, contractGroups = 0;
    Table<Division, kMaxDivisions> divisions;
    Table<SpecialtyCode, kMaxSpecialtyCodes> specialtyCodes;
    long sheetPlanValue = 0;  // first integer of "gruprasp.set", kept and written back
    Table<TimetableSheet, kMaxSheets> sheets;
    int dutyGroup = 0;                  // group position, 0 = none
    std::array<int, 7> statePracticeGroups{};  // [1..6] group positions, 0 = none
    Table<std::string, kMaxSpecialGroupLines> specialGroupLines;  // "gruppoi.set"
    std::array<OrdersList, kOrdersLists + 1> ordersLists;  // [1..5], loaded with the departments

    // ---- timetable, extracts, specialisations, bells, shared lists
    Table<GroupTimetable, kMaxGroups> timetables;  // one per group, same positions
    Table<LessonLimits, kMaxGroups> lessonLimits;
    RoomOccupancy roomOccupancy;                    // derived
    std::array<int, kMaxGroups + 1> specialisationDay{};  // derived, 0 = none
    Table<Specialisation, kMaxSpecialisations> specialisations;
    int currentSpecialisation = 1;
    Table<GroupExtract, kMaxGroups> extracts;       // one per group, same positions
    BellSchedule bells;
    Table<int, kMaxGroups> absentTeacherGroups;     // group positions in list order
    Table<Pseudonym, kMaxPseudonyms> pseudonyms;    // sorted by fullName
    Table<WrittenWorkRule, kMaxWrittenWorkRules> writtenWorkRules;

    // ---- shell
    ShellState shell;

    // ---- composition: the group composition screen's state and the division tables' plan
    CompositionState composition;
    DivisionPlan divisionPlan;

    // ---- week views and specialisation screen
    WeekViewState weeks;
    SpecialisationScreenState specScreen;

    // ---- teacher composition and automatic composition
    TeacherComposition teacherComposition;
    AutoCompositionState automat;
};
