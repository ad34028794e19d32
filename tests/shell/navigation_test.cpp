#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/dialogs.h"
#include "shell/display.h"
#include "shell/menu_table.h"
#include "shell/navigation.h"
#include "shell/prompts.h"
#include "shell/startup.h"
#include "shell/summary.h"

namespace {

Teacher MakeTeacher(const std::string& surname, int kind = 1) {
    Teacher t;
    t.surname = surname;
    t.initials = "А.Б.";
    t.displayName = surname + " А.Б.";
    t.nameAndPatronymic = "Анна Борисовна";
    t.kind = kind;
    return t;
}

// A small college: two departments, two groups, two rooms.
std::unique_ptr<Model> SmallCollege() {
    auto m = std::make_unique<Model>();
    m->config.titlePrefix = "Колледж";
    m->config.catalogCaption = "1-е полугодие";
    m->config.currentCatalog = 1;
    Department d1;
    d1.shortTitle = "ФОРТ";
    d1.teachers.push_back(MakeTeacher("Иванов"));
    d1.teachers.push_back(MakeTeacher("Ивашова", 2));
    m->departments.push_back(d1);
    Department d2;
    d2.shortTitle = "ТЕОР";
    d2.teachers.push_back(MakeTeacher("Петров"));
    m->departments.push_back(d2);
    m->staffTeachers = 2;
    m->partTimeTeachers = 1;
    m->allTeachers = 3;
    Group g;
    g.number = "11";
    g.division = "Фортепиано";
    g.course = 1;
    g.specialty = "Инструментальное исполнительство";
    m->groups.push_back(g);
    g.number = "21";
    g.course = 2;
    m->groups.push_back(g);
    m->budgetGroups = 1;
    m->contractGroups = 1;
    Room r;
    r.number = "101";
    m->rooms.push_back(r);
    r.number = "102";
    m->rooms.push_back(r);
    m->sel.department = 1;
    m->sel.teacher = 2;
    m->sel.group = 2;
    m->sel.room = 1;
    m->sel.day = 3;
    CaptionTexts& t = m->shell.caption;
    t.extractHeading = "Группа 21";
    t.roomSetName = "Рояли";
    t.specialisationCourse = "2";
    t.specialisationName = "Хор";
    t.specialisationGroups = "21, 22";
    t.ordersStaffTotal = "12,50";
    t.ordersPartTimeTotal = "3,00";
    t.divisionName = "Фортепиано";
    t.abbreviationCount = 17;
    t.sheetGroups = "11 21";
    t.departmentSheetDay = 5;
    t.extractEditHeading = "Выписка группы 21";
    return m;
}

struct CaptionCase {
    int id;
    std::string expected;
};

// Today is Tuesday and no lesson runs; the current day of the tables is Wednesday.
const std::vector<CaptionCase> kCaptions = {
    {1, "Колледж : Урокосет : 1-е полугодие : Главное меню"},
    {2, "Преподаватели : 2 + 1 совм. = 3 (отсутствует - 0) "},
    {3, "Аудитории - 2"},
    {4, "Группы - 2 : 1 бюдж. + 1 дог."},
    {5, "Уроки : Вторник"},
    {6, "Выписка из учебного плана - Группа 21"},
    {7, "Составление расписания - Группа 21 - Фортепиано - 2 курс : Инструментальное исполнительство"},
    {8, "Тарификация преподавателя - Ивашова Анна Борисовна (совместитель - ФОРТ)"},
    {9, "Расписание преподавателя Ивашова А.Б.  -  Среда"},
    {10, "Занятость аудитории 101  -  Среда"},
    {11, "Расписание группы 21  -  Среда"},
    {27, "Кафедра ФОРТ - кто с кем ведёт занятия по подгруппам"},
    {30, "Анализ занятости преподавателей на уроках"},
    {31, "Анализ занятости аудиторий"},
    {32, "Анализ занятости преподавателя на уроках : Ивашова А.Б."},
    {33, "Анализ занятости аудитории : 101"},
    {34, "Анализ занятости кабинетов : Рояли"},
    {35, "Анализ расписания группы : 21"},
    {51, "Специализация : 2  курс - Хор : Группы 21, 22"},
    {77, "Составление расписания - Ивашова А.Б."},
    {102, "Неделя: Расписание преподавателя"},
    {103, "Неделя : Занятость аудитории"},
    {104, "Неделя : Расписание группы 21"},
    {151, "Тарификация (приказы) :  Бюдж/Штатн = 12,50   :  Бюдж/Совм = 3,00"},
    {201, "Колледж : Отделение : Фортепиано (курсы и группы) "},
    {202, "День : Среда : Преподаватели / Группы"},
    {203, "День : Среда : Аудитории / Группы"},
    {204, "День : Среда : Группы / Аудитории"},
    {251, "Работа над сокращением названий дисциплин для печати расписания - 17 сокр."},
    {301, "Таблица : Аудитории / Группы"},
    {302, "Таблица : Группы / Аудитории"},
    {400, "Выбор отчёта - текста для печати"},
    {401, "Текст для печати - Выписка по группе 21"},
    {402, "Текст для печати - Преподаватели по группе 21"},
    {410, "Текст для печати - Расписание преподавателя : Ивашова А.Б."},
    {411, "Текст для печати - Расписание групп : 11 21 / Кол-во псевдонимов - 17 из 200"},
    {412, "Текст для печати - Тарификация преподавателя : Ивашова А.Б."},
    {413, "Текст для печати - Специализация : 2 курс Хор"},
    {414, "Текст для печати - Аудитории"},
    {415, "Текст для печати - Расписание по кафедре - ФОРТ - Пятница"},
    {416, "Текст для печати - Расписание группы - 21"},
    {417, "Текст для печати - Расписание звонков"},
    {418, "Текст для печати - Нет аудиторий"},
    {419, "Текст для печати - Нужны сокращения названий дисциплин для листов расписания"},
    {601, "Основные дисциплины"},
    {801, "Замещение отсутствующих преподавателей - 0"},
    {806, "Выписка группы 21"},
};

TEST(Caption, EveryScreenWithAndWithoutTrainingPrefix) {
    auto m = SmallCollege();
    std::set<int> covered;
    for (const CaptionCase& c : kCaptions) covered.insert(c.id);
    EXPECT_EQ(covered, std::set<int>(AllScreenIds().begin(), AllScreenIds().end()));

    const NowMoment tuesday{2, 0};
    for (int catalog : {1, 4}) {
        m->config.currentCatalog = catalog;
        const std::string prefix = catalog == 4 ? "ТРЕНИРОВКА : " : "";
        for (const CaptionCase& c : kCaptions)
            EXPECT_EQ(CaptionFor(*m, c.id, tuesday), prefix + c.expected) << "screen " << c.id;
        EXPECT_EQ(CaptionFor(*m, 999, tuesday), prefix) << "a screen without a caption";
    }
}

TEST(Caption, NowSuffixOnlyWhereTheTableShowsIt) {
    auto m = SmallCollege();
    const NowMoment third{2, 3};
    const std::string now = " : Сейчас идёт 3 урок";
    for (const CaptionCase& c : kCaptions) {
        bool withNow = c.id <= 5 || c.id == 201;
        EXPECT_EQ(CaptionFor(*m, c.id, third), c.expected + (withNow ? now : "")) << "screen " << c.id;
    }
}

TEST(Caption, ModesAndKindsChangeTheirCaptions) {
    auto m = SmallCollege();
    const NowMoment tuesday{2, 0};
    CaptionTexts& t = m->shell.caption;
    t.nowMode = 2;  // "Урок...": the current day, not today
    EXPECT_EQ(CaptionFor(*m, 5, tuesday), "Уроки : Среда");
    t.teacherTableMode = 2;
    EXPECT_EQ(CaptionFor(*m, 202, tuesday), "День : Среда : Преподаватели / Аудитории");
    t.roomCrossMode = 2;
    EXPECT_EQ(CaptionFor(*m, 301, tuesday), "Таблица : Аудитории / Преподаватели");
    m->sel.teacher = 1;  // a staff teacher
    EXPECT_EQ(CaptionFor(*m, 8, tuesday), "Тарификация преподавателя - Иванов Анна Борисовна (ФОРТ)");
}

TEST(Caption, EmptyModelNeverFails) {
    auto m = std::make_unique<Model>();
    m->sel.group = m->sel.room = m->sel.teacher = 5;
    for (int id : AllScreenIds()) EXPECT_NO_THROW(CaptionFor(*m, id, NowMoment{}));
    EXPECT_EQ(CaptionFor(*m, 7, NowMoment{}), "Составление расписания - Группа  -  - 1 курс : ");
}

TEST(Automat, EnabledOnlyOnGroupCompositionWhenAllowed) {
    auto m = SmallCollege();
    for (bool allowed : {false, true}) {
        m->config.autoCompositionAllowed = allowed;
        for (int id : AllScreenIds()) {
            m->sel.screen = id;
            EXPECT_EQ(AutomatMenuEnabled(*m), allowed && id == 7) << "screen " << id << " allowed " << allowed;
        }
    }
}

TEST(Switch, ShowingScreensKeepsSelectionsAndSubstitutionNeedsAnAbsentTeacher) {
    auto m = SmallCollege();
    FixedClock clock(DateTime{2024, 9, 3, 2, 10, 0, 0});
    HeadlessScreens screens(*m, clock);
    const Selection before = m->sel;
    screens.ShowScreen(ScreenId::kWeekGroup);
    EXPECT_EQ(screens.caption, "Неделя : Расписание группы 21");
    ShowMainMenu(screens);
    screens.ShowScreen(ScreenId::kWeekGroup);
    EXPECT_EQ(m->sel.group, before.group);
    EXPECT_EQ(m->sel.teacher, before.teacher);
    EXPECT_EQ(m->sel.day, before.day);

    screens.ShowScreen(ScreenId::kSubstitution);
    EXPECT_EQ(m->sel.screen, ScreenId::kWeekGroup) << "nobody is absent: nothing happens";
    m->absentTeachers.push_back(AbsentTeacher{"Петров", "Петров А.Б."});
    m->departments[2].absentCount = 1;
    screens.ShowScreen(ScreenId::kSubstitution);
    EXPECT_EQ(m->sel.screen, ScreenId::kSubstitution);
    EXPECT_EQ(screens.caption, "Замещение отсутствующих преподавателей - 1");
}

TEST(AskTeacher, PrefixSearchLastDepartmentWins) {
    struct Case {
        std::optional<std::string> answer;  // nullopt: Cancel
        int department, teacher;
    };
    // Departments: 1 Иванов, Ивашова, Петров; 2 Ивлев, Иванова; 3 Сидоров.
    const Case cases[] = {
        {"Ив", 2, 1},      // first match in each department, the last department wins
        {"Ива", 2, 2},     //
        {"Иваш", 1, 2},    // only the first department has it
        {"Петров", 1, 3},  // exact surname
        {"ив", 3, 1},      // compared exactly: no match, selection stays
        {"Ивлевa", 3, 1},  // longer than any surname
        {"", 3, 1},        // empty answer changes nothing
        {std::nullopt, 3, 1},
    };
    for (const Case& c : cases) {
        auto m = std::make_unique<Model>();
        Department d;
        for (const char* s : {"Иванов", "Ивашова", "Петров"}) d.teachers.push_back(MakeTeacher(s));
        m->departments.push_back(d);
        d.teachers.clear();
        for (const char* s : {"Ивлев", "Иванова"}) d.teachers.push_back(MakeTeacher(s));
        m->departments.push_back(d);
        d.teachers.clear();
        d.teachers.push_back(MakeTeacher("Сидоров"));
        m->departments.push_back(d);
        m->sel.department = 3;
        m->sel.teacher = 1;
        ScriptedDialogs dialogs;
        dialogs.Answer(c.answer);
        AskTeacher(*m, dialogs);
        EXPECT_EQ(m->sel.department, c.department) << c.answer.value_or("<cancel>");
        EXPECT_EQ(m->sel.teacher, c.teacher) << c.answer.value_or("<cancel>");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "Переход к другому преподавателю");
        EXPECT_EQ(dialogs.shown[0].text, "Введите фамилию преподавателя");
        EXPECT_EQ(dialogs.shown[0].def, "Сидоров");
    }
}

TEST(AskTeacher, CancelKeepsTheTeacherEvenWhenALaterSurnameBeginsWithIt) {
    auto m = SmallCollege();
    m->departments[2].teachers.push_back(MakeTeacher("Ивашова-Петрова"));
    m->sel.department = 1;
    m->sel.teacher = 2;  // Ивашова
    ScriptedDialogs dialogs;
    dialogs.Cancel();
    AskTeacher(*m, dialogs);
    EXPECT_EQ(m->sel.department, 1);
    EXPECT_EQ(m->sel.teacher, 2);
}

TEST(Options, InitialValuesTogglesAndCheckMarks) {
    struct Case {
        DisplayOption option;
        MenuCommand command;
        bool checkedAtStart;
        bool checkedAfterToggle;
    };
    const Case cases[] = {
        {DisplayOption::Hints, MenuCommand::Hints, true, false},
        {DisplayOption::UnknownTeacher, MenuCommand::UnknownTeacher, false, true},
        {DisplayOption::BoldGroupSheets, MenuCommand::BoldGroupSheets, false, true},
        {DisplayOption::GroupSheetSize, MenuCommand::GroupSheetSize, false, false},  // never checked
        {DisplayOption::PrintPreview, MenuCommand::PrintPreview, false, true},
        {DisplayOption::OccupancyCheck, MenuCommand::OccupancyCheck, false, true},
        {DisplayOption::RoomPhotographs, MenuCommand::RoomPhotographs, false, true},
    };
    auto m = SmallCollege();
    FixedClock clock(DateTime{});
    HeadlessScreens screens(*m, clock);
    for (const Case& c : cases) {
        EXPECT_EQ(OptionChecked(*m, c.option), c.checkedAtStart);
        EXPECT_EQ(MenuItemChecked(*m, c.command).value_or(false), c.checkedAtStart);
        OptionCommand(*m, screens, c.option);
        EXPECT_EQ(OptionChecked(*m, c.option), c.checkedAfterToggle);
        EXPECT_EQ(MenuItemChecked(*m, c.command).value_or(false), c.checkedAfterToggle);
        OptionCommand(*m, screens, c.option);
        EXPECT_EQ(OptionChecked(*m, c.option), c.checkedAtStart) << "the second toggle restores";
    }
    const DisplayOptions start{};
    EXPECT_EQ(m->options.showUnknownTeacher, 2);
    EXPECT_EQ(m->options.groupSheetSize, 1);
    OptionCommand(*m, screens, DisplayOption::GroupSheetSize);
    EXPECT_EQ(m->options.groupSheetSize, 2);
    EXPECT_EQ(start.groupSheetSize, 1);
}

TEST(Options, UnknownTeacherEndsOnMainMenuOccupancyCheckRedrawsTeacherWeek) {
    auto m = SmallCollege();
    FixedClock clock(DateTime{});
    HeadlessScreens screens(*m, clock);
    for (int from : {7, 102, 1}) {
        screens.ShowScreen(from);
        OptionCommand(*m, screens, DisplayOption::UnknownTeacher);
        EXPECT_EQ(m->sel.screen, 1) << "from " << from;
    }
    screens.ShowScreen(104);
    OptionCommand(*m, screens, DisplayOption::OccupancyCheck);
    EXPECT_EQ(screens.redraws, 0);
    screens.ShowScreen(102);
    OptionCommand(*m, screens, DisplayOption::OccupancyCheck);
    EXPECT_EQ(screens.redraws, 1);
    EXPECT_EQ(m->sel.screen, 102);
}

TEST(WeekTableStyle, CommandsActOnlyOnTheirWeekScreen) {
    auto m = SmallCollege();
    FixedClock clock(DateTime{});
    HeadlessScreens screens(*m, clock);
    ScriptedDialogs dialogs;
    screens.ShowScreen(104);
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::FontArial);
    EXPECT_EQ(m->shell.teacherWeek.fontName, "Times");
    EXPECT_EQ(m->shell.groupWeek.fontName, "Times");
    EXPECT_EQ(screens.redraws, 0);
    WeekTableStyleCommand(*m, dialogs, screens, 104, WeekTableCommand::FontArial);
    EXPECT_EQ(m->shell.groupWeek.fontName, "Arial");
    EXPECT_EQ(m->shell.teacherWeek.fontName, "Times");
    EXPECT_EQ(screens.redraws, 1);
    screens.ShowScreen(103);  // the room's week shares the style but not the submenu
    WeekTableStyleCommand(*m, dialogs, screens, 104, WeekTableCommand::FontTimes);
    EXPECT_EQ(m->shell.groupWeek.fontName, "Arial");
}

TEST(WeekTableStyle, ColourCancelKeepsButRedrawsStandardRestores) {
    auto m = SmallCollege();
    FixedClock clock(DateTime{});
    HeadlessScreens screens(*m, clock);
    ScriptedDialogs dialogs;
    screens.ShowScreen(102);
    WeekTableStyle& s = m->shell.teacherWeek;
    dialogs.ColourWith(0xFF0000).ColourWith(std::nullopt).ColourWith(0x00FF00);
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::FontColour);
    EXPECT_EQ(s.fontColour, 0xFF0000u);
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::FontColour);  // cancelled
    EXPECT_EQ(s.fontColour, 0xFF0000u);
    EXPECT_EQ(screens.redraws, 2) << "the cancelled dialog still redraws";
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::Background);
    EXPECT_EQ(s.background, 0x00FF00u);
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::FontStyle);
    EXPECT_EQ(s.fontStyle, 1);
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::FontArial);
    WeekTableStyleCommand(*m, dialogs, screens, 102, WeekTableCommand::Standard);
    EXPECT_EQ(s.fontName, "Times");
    EXPECT_EQ(s.fontSize, 10);
    EXPECT_EQ(s.fontStyle, 2);
    EXPECT_EQ(s.fontColour, 0x000000u);
    EXPECT_EQ(s.background, 0xFFFBF0u);
    EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST(MenuTable, ShortcutsAreUniqueAndScreensExist) {
    std::set<std::string> shortcuts;
    const std::vector<int>& ids = AllScreenIds();
    for (const MenuItem& item : MenuBarItems()) {
        if (*item.shortcut) {
            EXPECT_TRUE(shortcuts.insert(item.shortcut).second) << item.shortcut;
        }
        if (item.screen) {
            EXPECT_NE(std::find(ids.begin(), ids.end(), item.screen), ids.end()) << item.text;
        }
        if (item.command == MenuCommand::ShowScreen && *item.text) {
            EXPECT_NE(item.screen, 0) << item.text;
        }
    }
    const std::set<std::string> expected = {"Ctrl+F12", "F1",       "F2",       "F3",      "F4",      "F5",
                                            "F6",       "F7",       "F8",       "F9",      "F10",     "F11",
                                            "F12",      "Shift+F2", "Shift+F3", "Shift+F4", "Ctrl+F3", "Ctrl+F4",
                                            "Shift+Ctrl+F4"};
    EXPECT_EQ(shortcuts, expected);
}

TEST(MenuTable, RoomSetItemsTakeTheirSetsSubgroupCompositionNeverAvailable) {
    auto m = SmallCollege();
    m->roomSets.push_back(RoomSet{"Рояли", {"101"}});
    const MenuItem* first = FindMenuItem(MenuCommand::RoomSet1);
    const MenuItem* second = FindMenuItem(MenuCommand::RoomSet2);
    EXPECT_EQ(MenuItemText(*m, *first), "Рояли");
    EXPECT_TRUE(MenuItemAvailable(*m, MenuCommand::RoomSet1));
    EXPECT_EQ(MenuItemText(*m, *second), "Каб-2");
    EXPECT_FALSE(MenuItemAvailable(*m, MenuCommand::RoomSet2));
    EXPECT_FALSE(MenuItemAvailable(*m, MenuCommand::ComposeSubgroups));
}

TEST(Summary, CaptionOfTheMainMenuAfterStartUp) {
    TempFolder dir;
    WriteDemoCollege(dir.path(), DemoOptions{});
    auto m = std::make_unique<Model>();
    FixedClock clock(DateTime{2024, 9, 2, 1, 10, 0, 0});
    RunStartup(*m, dir.path(), clock);
    const std::string caption = "caption: Приозёрский колледж музыки и педагогики : Урокосет : 1-е полугодие : Главное меню";
    std::vector<std::string> lines = SummaryLines(*m, clock);
    EXPECT_NE(std::find(lines.begin(), lines.end(), caption + " : Сейчас идёт 2 урок"), lines.end());
    // Before the first bell no lesson is running and the caption has no suffix.
    clock.Set(DateTime{2024, 9, 2, 1, 7, 0, 0});
    lines = SummaryLines(*m, clock);
    EXPECT_NE(std::find(lines.begin(), lines.end(), caption), lines.end());
}

}  // namespace

namespace {

TEST(AskGroup, FindsTheGroupOrKeepsTheSelection) {
    struct Case {
        std::optional<std::string> answer;
        int group;
    };
    const Case cases[] = {{"11", 1}, {"99", 2}, {"", 2}, {std::nullopt, 2}};
    for (const Case& c : cases) {
        auto m = SmallCollege();
        ScriptedDialogs dialogs;
        dialogs.Answer(c.answer);
        AskGroup(*m, dialogs);
        EXPECT_EQ(m->sel.group, c.group) << c.answer.value_or("<cancel>");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "Переход к другой группе");
        EXPECT_EQ(dialogs.shown[0].text, "Введите номер группы");
        EXPECT_EQ(dialogs.shown[0].def, "21");
    }
}

TEST(AskExtractGroup, ShowsTheExtractOfTheGroupFound) {
    auto m = SmallCollege();
    FixedClock clock(DateTime{});
    HeadlessScreens screens(*m, clock);
    ScriptedDialogs dialogs;
    dialogs.Answer("").Answer("11");
    AskExtractGroup(*m, dialogs, screens);
    EXPECT_EQ(m->sel.screen, 1) << "an empty answer shows nothing";
    AskExtractGroup(*m, dialogs, screens);
    EXPECT_EQ(m->sel.group, 1);
    EXPECT_EQ(m->sel.screen, ScreenId::kExtract);
    EXPECT_EQ(dialogs.shown[1].caption, "Показать выписку по группе...");
    EXPECT_EQ(dialogs.shown[1].text, "Номер группы?");
    EXPECT_EQ(dialogs.shown[1].def, "21");
}

}  // namespace
