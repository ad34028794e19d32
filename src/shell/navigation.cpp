#include "shell/navigation.h"

namespace {

const Group kNoGroup{};
const Room kNoRoom{};
const Teacher kNoTeacher{};
const Department kNoDepartment{};

// The current entities; an empty list or a selection past its end reads as an
// empty record, so a caption never fails on a half-filled model.
const Group& CurrentGroup(const Model& m) { return m.groups.valid(m.sel.group) ? m.groups[m.sel.group] : kNoGroup; }
const Room& CurrentRoom(const Model& m) { return m.rooms.valid(m.sel.room) ? m.rooms[m.sel.room] : kNoRoom; }
const Department& CurrentDepartment(const Model& m) {
    return m.departments.valid(m.sel.department) ? m.departments[m.sel.department] : kNoDepartment;
}
const Teacher& CurrentTeacher(const Model& m) {
    const Department& d = CurrentDepartment(m);
    return d.teachers.valid(m.sel.teacher) ? d.teachers[m.sel.teacher] : kNoTeacher;
}

// The total of absent teachers over the departments (the absent list stops at its capacity).
int AbsentTotal(const Model& m) {
    int total = 0;
    for (const Department& d : m.departments) total += d.absentCount;
    return total;
}

std::string DayName(int day) { return day >= 1 && day <= 7 ? kDayNames[day] : ""; }

std::string NowSuffix(const NowMoment& now) {
    return now.lesson > 0 ? " : Сейчас идёт " + std::to_string(now.lesson) + " урок" : "";
}

std::string Composed(const Model& m, int id, const NowMoment& now) {
    const CaptionTexts& t = m.shell.caption;
    const std::string nowText = NowSuffix(now);
    const std::string day = DayName(m.sel.day);
    using S = ScreenId;
    switch (id) {
        case S::kMainMenu:
            return m.config.titlePrefix + " : Урокосет : " + m.config.catalogCaption + " : Главное меню" + nowText;
        case S::kDepartment:
            return "Преподаватели : " + std::to_string(m.staffTeachers) + " + " + std::to_string(m.partTimeTeachers) +
                   " совм. = " + std::to_string(m.allTeachers) + " (отсутствует - " +
                   std::to_string(AbsentTotal(m)) + ") " + nowText;
        case S::kRoomList:
            return "Аудитории - " + std::to_string(m.rooms.size()) + nowText;
        case S::kGroupList:
            return "Группы - " + std::to_string(m.groups.size()) + " : " + std::to_string(m.budgetGroups) +
                   " бюдж. + " + std::to_string(m.contractGroups) + " дог." + nowText;
        case S::kNow:
            return "Уроки : " + (t.nowMode == 2 ? day : DayName(now.today)) + nowText;
        case S::kExtract:
            return "Выписка из учебного плана - " + t.extractHeading;
        case S::kGroupComposition: {
            const Group& g = CurrentGroup(m);
            return "Составление расписания - Группа " + g.number + " - " + g.division + " - " +
                   std::to_string(g.course) + " курс : " + g.specialty;
        }
        case S::kTarification: {
            const Teacher& te = CurrentTeacher(m);
            return "Тарификация преподавателя - " + te.surname + " " + te.nameAndPatronymic +
                   (te.kind == 2 ? " (совместитель - " : " (") + CurrentDepartment(m).shortTitle + ")";
        }
        case S::kLargeTeacher:
            return "Расписание преподавателя " + CurrentTeacher(m).displayName + "  -  " + day;
        case S::kLargeRoom:
            return "Занятость аудитории " + CurrentRoom(m).number + "  -  " + day;
        case S::kLargeGroup:
            return "Расписание группы " + CurrentGroup(m).number + "  -  " + day;
        case S::kDepartmentPairs:
            return "Кафедра " + CurrentDepartment(m).shortTitle + " - кто с кем ведёт занятия по подгруппам";
        case S::kAnalysisTeachers:
            return "Анализ занятости преподавателей на уроках";
        case S::kAnalysisRooms:
            return "Анализ занятости аудиторий";
        case S::kAnalysisTeacher:
            return "Анализ занятости преподавателя на уроках : " + CurrentTeacher(m).displayName;
        case S::kAnalysisRoom:
            return "Анализ занятости аудитории : " + CurrentRoom(m).number;
        case S::kAnalysisRoomSet:
            return "Анализ занятости кабинетов : " + t.roomSetName;
        case S::kAnalysisGroup:
            return "Анализ расписания группы : " + CurrentGroup(m).number;
        case S::kSpecialisation:
            return "Специализация : " + t.specialisationCourse + "  курс - " + t.specialisationName + " : Группы " +
                   t.specialisationGroups;
        case S::kTeacherComposition:
            return "Составление расписания - " + CurrentTeacher(m).displayName;
        case S::kWeekTeacher:
            return "Неделя: Расписание преподавателя";
        case S::kWeekRoom:
            return "Неделя : Занятость аудитории";
        case S::kWeekGroup:
            return "Неделя : Расписание группы " + CurrentGroup(m).number;
        case S::kOrders:
            return "Тарификация (приказы) :  Бюдж/Штатн = " + t.ordersStaffTotal + "   :  Бюдж/Совм = " +
                   t.ordersPartTimeTotal;
        case S::kDivision:
            return m.config.titlePrefix + " : Отделение : " + t.divisionName + " (курсы и группы) " + nowText;
        case S::kDayTeachers:
            return "День : " + day +
                   (t.teacherTableMode == 2 ? " : Преподаватели / Аудитории" : " : Преподаватели / Группы");
        case S::kDayRooms:
            return "День : " + day + " : Аудитории / Группы";
        case S::kDayGroups:
            return "День : " + day + " : Группы / Аудитории";
        case S::kAbbreviations:
            return "Работа над сокращением названий дисциплин для печати расписания - " +
                   std::to_string(t.abbreviationCount) + " сокр.";
        case S::kTableRooms:
            if (t.roomCrossMode == 1) return "Таблица : Аудитории / Группы";
            if (t.roomCrossMode == 2) return "Таблица : Аудитории / Преподаватели";
            return "Таблица : Аудитории / Группы + Преподаватели";
        case S::kTableGroups:
            return "Таблица : Группы / Аудитории";
        case S::kPrintMenu:
            return "Выбор отчёта - текста для печати";
        case S::kPrintExtract:
            return "Текст для печати - Выписка по группе " + CurrentGroup(m).number;
        case S::kPrintGroupTeachers:
            return "Текст для печати - Преподаватели по группе " + CurrentGroup(m).number;
        case S::kPrintTeacherWeek:
            return "Текст для печати - Расписание преподавателя : " + CurrentTeacher(m).displayName;
        case S::kPrintGroupSheet:
            return "Текст для печати - Расписание групп : " + t.sheetGroups + " / Кол-во псевдонимов - " +
                   std::to_string(t.abbreviationCount) + " из 200";
        case S::kPrintTarification:
            return "Текст для печати - Тарификация преподавателя : " + CurrentTeacher(m).displayName;
        case S::kPrintSpecialisation:
            return "Текст для печати - Специализация : " + t.specialisationCourse + " курс " + t.specialisationName;
        case S::kPrintRooms:
            return "Текст для печати - Аудитории";
        case S::kPrintDepartmentDay:
            return "Текст для печати - Расписание по кафедре - " + CurrentDepartment(m).shortTitle + " - " +
                   DayName(t.departmentSheetDay);
        case S::kPrintGroupWeek:
            return "Текст для печати - Расписание группы - " + CurrentGroup(m).number;
        case S::kPrintBells:
            return "Текст для печати - Расписание звонков";
        case S::kPrintNoRooms:
            return "Текст для печати - Нет аудиторий";
        case S::kPrintNeedAbbreviations:
            return "Текст для печати - Нужны сокращения названий дисциплин для листов расписания";
        case S::kMainDisciplines:
            return "Основные дисциплины";
        case S::kSubstitution:
            return "Замещение отсутствующих преподавателей - " + std::to_string(AbsentTotal(m));
        case S::kExtractEdit:
            return t.extractEditHeading;
        default:
            return "";
    }
}

}  // namespace

const std::vector<int>& AllScreenIds() {
    static const std::vector<int> ids = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  27,  30,
                                         31,  32,  33,  34,  35,  51,  77,  102, 103, 104, 151, 201, 202,
                                         203, 204, 251, 301, 302, 400, 401, 402, 410, 411, 412, 413, 414,
                                         415, 416, 417, 418, 419, 601, 801, 806};
    return ids;
}

NowMoment PresentMoment(const Model& model, const Clock& clock) {
    NowMoment now;
    now.today = clock.Now().weekday;
    now.lesson = ComputeNowState(model, clock).lesson;
    return now;
}

std::string CaptionFor(const Model& model, int id, const NowMoment& now) {
    std::string text = Composed(model, id, now);
    return model.config.training() ? "ТРЕНИРОВКА : " + text : text;
}

std::string CurrentCaption(const Model& model, const Clock& clock) {
    return CaptionFor(model, model.sel.screen, PresentMoment(model, clock));
}

bool AutomatMenuEnabled(const Model& model) {
    return model.config.autoCompositionAllowed && model.sel.screen == ScreenId::kGroupComposition;
}

bool ScreenCanOpen(const Model& model, int id) {
    if (id == ScreenId::kSubstitution) return !model.absentTeachers.empty();
    return true;
}

void ResetScreens(Model& model) {
    // Each subsystem's transient screen state returns to idle here:
    // the group composition status, the pending states of the automatic and the
    // teacher composition, the free-room list of the "now" screen.
    ResetGroupComposition(model);
    ResetTeacherAndAutoComposition(model);
}

void ShowMainMenu(ScreenSwitch& screens) { screens.ShowScreen(ScreenId::kMainMenu); }

void HeadlessScreens::ShowScreen(int id) {
    if (!ScreenCanOpen(model_, id)) return;
    ResetScreens(model_);
    model_.sel.screen = id;
    RefreshCaption();
}

void HeadlessScreens::RefreshCaption() {
    caption = CurrentCaption(model_, clock_);
    automatEnabled = AutomatMenuEnabled(model_);
}
