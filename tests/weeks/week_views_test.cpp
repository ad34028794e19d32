#include "views/week_views.h"

#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/recording_canvas.h"
#include "base/textfile.h"
#include "timetable/model_fixture.h"
#include "views/large_day.h"

namespace {

TEST(WeekSwitch, TeacherPrefixTakesTheLastDepartmentWithAMatch) {
    SmallCollege c;
    c.AddTeachers({"Смирнов", "Иванов"});
    c.AddTeachers({"Петрова"});
    c.AddTeachers({"Кузнецов", "Ивашкина", "Иволгин"});
    Model& m = c.m();
    struct Case {
        std::optional<std::string> answer;  // nullopt: Cancel
        int department, teacher;
    } cases[] = {
        {"Ив", 3, 2},            // departments 1 and 3 match: 3 wins, its first match
        {"Пет", 2, 1},
        {"Петрова-Водкина", 2, 1},  // longer than the surname: no match, kept
        {"ив", 2, 1},            // case-sensitive
        {"", 2, 1},
        {std::nullopt, 2, 1},
        {"Смирнов", 1, 1},
    };
    for (const Case& k : cases) {
        ScriptedDialogs d;
        d.Answer(k.answer);
        ChooseOtherTeacher(m, d);
        EXPECT_EQ(m.sel.department, k.department) << k.answer.value_or("cancel");
        EXPECT_EQ(m.sel.teacher, k.teacher) << k.answer.value_or("cancel");
        EXPECT_EQ(d.shown.at(0).caption, "Переход к другому преподавателю");
    }
}

TEST(WeekSwitch, RoomsAndGroupsMatchExactlyTheLastOne) {
    SmallCollege c;
    c.AddRooms({"12", "12а", "12"});
    c.AddGroups({"101", "102"});
    Model& m = c.m();
    ScriptedDialogs d;
    d.Answer("12").Answer("12б").Answer("102").Answer("10");
    ChooseOtherRoom(m, d);
    EXPECT_EQ(m.sel.room, 3);
    ChooseOtherRoom(m, d);
    EXPECT_EQ(m.sel.room, 3);
    EXPECT_EQ(d.shown[1].def, "12");
    ChooseOtherGroup(m, d);
    EXPECT_EQ(m.sel.group, 2);
    ChooseOtherGroup(m, d);
    EXPECT_EQ(m.sel.group, 2);
    EXPECT_EQ(d.shown[3].caption, "Расписание другой группы");
}

TEST(WeekTitles, TeacherRoomOptionAndGroupBases) {
    SmallCollege c;
    c.AddTeachers({"Иванова"});
    c.AddRooms({"12"});
    c.AddGroups({"101"});
    Model& m = c.m();
    m.departments[1].teachers[1].nameAndPatronymic = "Анна Петровна";
    m.rooms[1].name = "Класс фортепиано";
    m.rooms[1].keeper = "Сидоров";
    Group& g = m.groups[1];
    g.course = 2;
    g.specialty = "Фортепиано";
    EXPECT_EQ(WeekTitle(m, WeekView::Teacher), "Иванова Анна Петровна");
    EXPECT_EQ(WeekTitle(m, WeekView::Room), "Аудитория 12 : Класс фортепиано : Сидоров");
    m.weeks.roomTitleOption = 2;
    EXPECT_EQ(WeekTitle(m, WeekView::Room), "Аудитория 12");
    EXPECT_EQ(WeekTitle(m, WeekView::Group), "Группа 101 - Фортепиано - 2 курс : Фортепиано");
    g.base = 11;
    EXPECT_EQ(WeekTitle(m, WeekView::Group), "Группа 101 - Фортепиано - 3 курс (2 год обучения) : Фортепиано");
    EXPECT_EQ(LargeDayTitle(m, WeekView::Group, 6), "101 группа - Суббота");
    EXPECT_EQ(LargeDayTitle(m, WeekView::Room, 1), "Аудитория 12 - Понедельник");
    EXPECT_EQ(LargeDayTitle(m, WeekView::Teacher, 2), "Иванова Анна Петровна - Вторник");
}

TEST(WeekTableCells, StyleAppliesToDataRowsAndHeadersKeepTheirLook) {
    SmallCollege c;
    c.AddGroups({"101"});
    c.AddRooms({"7"});
    Model& m = c.m();
    m.shell.groupWeek = WeekTableStyle{"Arial", 10, 1, 0x112233, 0x445566};
    m.config.colourA = 0xAAAAAA;
    m.config.colourD = 0xDDDDDD;
    m.rooms[1].notes.note1[6][14] = "ремонт";
    const Cell header = WeekTableCell(m, WeekView::Group, 1, 0, 1);
    EXPECT_EQ(header.text, "Дисциплина");
    EXPECT_EQ(header.background, Colour(0xA6CAF0));
    EXPECT_TRUE(header.bold);
    EXPECT_EQ(header.font, "Arial");
    EXPECT_EQ(header.left, 2);
    const Cell data = WeekTableCell(m, WeekView::Group, 6, 14, 0);
    EXPECT_EQ(data.text, "14");  // Saturday has all fourteen lessons
    EXPECT_EQ(data.background, Colour(0x445566));
    EXPECT_EQ(data.colour, Colour(0x112233));
    EXPECT_FALSE(data.bold);
    EXPECT_EQ(data.left, 0);
    // A note overrides the view's colours.
    const Cell note = WeekTableCell(m, WeekView::Room, 6, 14, 2);
    EXPECT_EQ(note.text, "ремонт");
    EXPECT_EQ(note.background, Colour(0xAAAAAA));
    EXPECT_EQ(note.colour, Colour(0xDDDDDD));
    // The teacher week takes its own style.
    c.AddTeachers({"Иванова"});
    EXPECT_EQ(WeekTableCell(m, WeekView::Teacher, 1, 1, 2).font, "Times");
}

TEST(RoomNotes, DoubleClickEditsClearsAndWritesTheFile) {
    SmallCollege c;
    c.AddRooms({"7"});
    Model& m = c.m();
    m.config.roomNotesFolder = c.dir.path() + "/aud/";
    MakeFolders(m.config.roomNotesFolder);
    ScriptedDialogs d;
    d.Answer("ремонт").Answer("").Answer("хор");
    EXPECT_TRUE(EditRoomNote(m, d, 2, 3, 2));
    EXPECT_EQ(m.rooms[1].notes.note1[2][3], "ремонт");
    EXPECT_EQ(d.shown[0].caption, "Изменение примечания 1");
    EXPECT_EQ(d.shown[0].text, "Новое примечание?");
    EXPECT_EQ(d.shown[0].def, "-");
    EXPECT_TRUE(EditRoomNote(m, d, 2, 3, 3));  // empty answer: no note
    EXPECT_EQ(m.rooms[1].notes.note2[2][3], "-");
    EXPECT_EQ(d.shown[1].caption, "Изменение примечания 2");
    EXPECT_TRUE(EditRoomNote(m, d, 2, 3, 3));
    const auto saved = ReadLines(RoomNotesPath(m, 1));
    EXPECT_NE(std::find(saved.begin(), saved.end(), "ремонт"), saved.end());
    EXPECT_FALSE(EditRoomNote(m, d, 2, 3, 0));
    EXPECT_TRUE(EditRoomNote(m, d, 2, 3, 1));
    EXPECT_EQ(m.rooms[1].notes.note1[2][3], "-");
    EXPECT_EQ(m.rooms[1].notes.note2[2][3], "-");
    EXPECT_EQ(d.Pending(), 0u);
}

// ---------------------------------------------------------------- large day view

using Call = RecordingCanvas::Call;

struct LargeDay : SmallCollege {
    RecordingCanvas canvas;
    LargeDay() {
        AddGroups({"101", "102"});
        AddTeachers({"Иванова"});
        AddRooms({"12"});
        Put(1, 1, 1, 1, "Сольфеджио", "Иванова", "12");
        Put(1, 1, 2, 2, "Хор", "Иванова", "12");
        Put(2, 1, 3, 3, "Ритмика", "Иванова", "12");
    }
    void Draw(WeekView v, int day = 1) { DrawLargeDay(m(), v, day, canvas); }
    bool HasText(int x, int y, const std::string& text, Colour colour, int size) const {
        for (const Call& c : canvas.calls)
            if (c.kind == Call::Text && c.x1 == x && c.y1 == y && c.text == text && c.colour == colour &&
                c.font == CanvasFont{"Times", size, true})
                return true;
        return false;
    }
    bool HasLine(int x1, int y1, int x2, int y2) const {
        for (const Call& c : canvas.calls)
            if (c.kind == Call::Line && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2) return true;
        return false;
    }
};

TEST(LargeDayView, FrameLinesAndLessonNumbers) {
    LargeDay c;
    c.Draw(WeekView::Group, 6);
    const Call& first = c.canvas.calls.at(0);
    EXPECT_EQ(first.kind, Call::Fill);
    EXPECT_EQ(first.x2, 799);
    EXPECT_EQ(first.y2, 631);
    EXPECT_EQ(first.colour, Colour(0xFFFFFF));
    for (int y = 0; y <= 630; y += 45) EXPECT_TRUE(c.HasLine(0, y, 800, y)) << y;
    EXPECT_TRUE(c.HasLine(40, 0, 40, 632));
    const auto fourteen = c.canvas.TextsEqual("14");
    ASSERT_EQ(fourteen.size(), 1u);
    EXPECT_EQ(fourteen[0].x1, 10);
    EXPECT_EQ(fourteen[0].y1, 45 * 13 + 5);
    EXPECT_EQ(fourteen[0].font, (CanvasFont{"Arial", 12, true}));
    ASSERT_EQ(c.canvas.TextsEqual(" 1").size(), 1u);
}

TEST(LargeDayView, EachKindOfLessonForEachSubject) {
    {
        LargeDay c;
        c.Draw(WeekView::Group);
        EXPECT_TRUE(c.HasText(220, 1, "Сольфеджио", 0x000000, 11));
        EXPECT_TRUE(c.HasText(220, 22, "Иванова  -  ауд. 12", 0x000000, 11));
        EXPECT_TRUE(c.HasText(50, 46, "Хор", 0x0000FF, 11));
        // Subgroup 1 clears the band's right half and draws the double line.
        const int text = c.canvas.IndexOfText("Хор");
        const Call& fill = c.canvas.calls.at(text + 2);
        EXPECT_EQ(fill.kind, Call::Fill);
        EXPECT_EQ(std::vector<int>({fill.x1, fill.y1, fill.x2, fill.y2}), std::vector<int>({377, 47, 780, 86}));
        EXPECT_TRUE(c.HasLine(380, 45, 380, 90));
        EXPECT_TRUE(c.HasLine(381, 45, 381, 90));
        EXPECT_TRUE(c.canvas.TextsEqual("Ритмика").empty());  // another group's lesson
    }
    {
        LargeDay c;
        c.Draw(WeekView::Teacher);
        EXPECT_TRUE(c.HasText(220, 22, "101 группа  -  ауд. 12", 0x000000, 11));
        EXPECT_TRUE(c.HasText(50, 45 + 22, "101 группа  -  ауд. 12", 0x0000FF, 11));
        EXPECT_TRUE(c.HasText(390, 90 + 1, "Ритмика", 0x0000FF, 11));
        EXPECT_TRUE(c.HasText(390, 90 + 22, "102 группа -  ауд. 12", 0x0000FF, 11));
        EXPECT_TRUE(c.HasLine(380, 90, 380, 135));
    }
    {
        LargeDay c;
        c.Draw(WeekView::Room);
        EXPECT_TRUE(c.HasText(220, 22, "101 группа  - Иванова", 0x000000, 11));
        EXPECT_TRUE(c.HasText(390, 112, "102 группа  - Иванова", 0x0000FF, 11));
    }
}

TEST(LargeDayView, MarksAfterTheLessonsOfTheirBand) {
    LargeDay c;
    Model& m = c.m();
    m.departments[1].teachers[1].occupancy[1] = "10245000000000";
    Specialisation s;
    s.division = "Ф";
    s.course = 2;
    s.day = 1;
    s.cell(1, 1) = {"Иванова", "Зал", 5};
    m.specialisations.push_back(s);
    c.Draw(WeekView::Teacher);
    EXPECT_TRUE(c.HasText(100, 5, "Педпрактика", 0xFF0000, 14));
    EXPECT_GT(c.canvas.IndexOfText("Педпрактика"), c.canvas.IndexOfText("Сольфеджио"));
    EXPECT_TRUE(c.HasText(100, 95, "Методический день", 0x008000, 12));
    EXPECT_TRUE(c.HasText(100, 140, "Лучше не ставить занятие на это время", 0xFF00FF, 12));
    EXPECT_TRUE(c.HasText(100, 185, "Специализация - 2 к. Ф - ауд. Зал", 0x000080, 11));

    RecordingCanvas group;
    m.groups[1].practiceDay = 1;
    m.specialisationDay[1] = 1;
    DrawLargeDay(m, WeekView::Group, 1, group);
    EXPECT_EQ(group.TextsEqual("Педпрактика").size(), 14u);
    EXPECT_EQ(group.TextsEqual("Специализация").size(), 14u);
    EXPECT_EQ(group.TextsEqual("Специализация")[0].colour, Colour(0x000080));
    RecordingCanvas room;
    DrawLargeDay(m, WeekView::Room, 1, room);
    EXPECT_TRUE(room.TextsEqual("Педпрактика").empty());
}

}  // namespace
