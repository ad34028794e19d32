#include "shell/menu_table.h"

#include "shell/display.h"
#include "shell/navigation.h"

namespace {

using C = MenuCommand;
using S = ScreenId;

#define WEEK_TABLE_ITEMS(PATH, PREFIX, SCREEN)                                                              \
    {PATH "|Шрифт...", "Цвет шрифта...", "", SCREEN, C::PREFIX##FontColour, false},                        \
    {PATH "|Шрифт...|Тип шрифта...", "Times", "", SCREEN, C::PREFIX##Times, false},                        \
    {PATH "|Шрифт...|Тип шрифта...", "Arial", "", SCREEN, C::PREFIX##Arial, false},                        \
    {PATH "|Шрифт...", "Стиль шрифта", "", SCREEN, C::PREFIX##FontStyle, false},                           \
    {PATH, "Цвет фона...", "", SCREEN, C::PREFIX##Background, false},                                      \
    {PATH, "Стандарт", "", SCREEN, C::PREFIX##Standard, false}

const std::vector<MenuItem> kItems = {
    {"Файл", "1-е полугодие", "", 0, C::Catalog1, true},
    {"Файл", "2-е полугодие", "", 0, C::Catalog2, true},
    {"Файл", "НОВЫЙ СЕМЕСТР (ТРЕНИРОВКА)", "", 0, C::Catalog3, true},
    {"Файл", "Еще один семестр", "", 0, C::Catalog4, true},
    {"Файл", "", "", 0, C::ShowScreen, false},
    {"Файл", "Выход", "Ctrl+F12", 0, C::Exit, false},

    {"Вид", "Главное меню", "F1", S::kMainMenu, C::MainMenu, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Преподаватели", "F2", S::kDepartment, C::ShowScreen, false},
    {"Вид", "Аудитории", "", S::kRoomList, C::ShowScreen, false},
    {"Вид", "Группы", "", S::kGroupList, C::ShowScreen, false},
    {"Вид", "Отделение", "F10", S::kDivision, C::ShowScreen, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Сейчас", "F5", S::kNow, C::NowPresent, false},
    {"Вид", "Урок...", "", S::kNow, C::NowLesson, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Выписка по группе", "F6", S::kExtract, C::ShowScreen, false},
    {"Вид", "Выписка по группе...", "", S::kExtract, C::ExtractPrompt, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Расписание - по группе", "F7", S::kGroupComposition, C::ShowScreen, false},
    {"Вид", "Расписание - по преподавателю", "F3", S::kTeacherComposition, C::ShowScreen, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Тарификация преподавателя", "F8", S::kTarification, C::ShowScreen, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Расписание преподавателя крупным планом", "", S::kLargeTeacher, C::ShowScreen, false},
    {"Вид", "Занятость аудитории крупным планом", "", S::kLargeRoom, C::ShowScreen, false},
    {"Вид", "Расписание группы крупным планом", "", S::kLargeGroup, C::ShowScreen, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Специализация", "F9", S::kSpecialisation, C::ShowScreen, false},
    {"Вид", "Основные дисциплины", "", S::kMainDisciplines, C::ShowScreen, false},
    {"Вид", "Замещение отсутствующих преподавателей", "", S::kSubstitution, C::ShowScreen, false},
    {"Вид", "", "", 0, C::ShowScreen, false},
    {"Вид", "Отчёты - Тексты для печати", "F12", S::kPrintMenu, C::ShowScreen, false},

    {"Неделя", "Преподаватель...", "Shift+F2", S::kWeekTeacher, C::ShowScreen, false},
    {"Неделя", "Аудитория...", "Shift+F3", S::kWeekRoom, C::ShowScreen, false},
    {"Неделя", "Группа...", "Shift+F4", S::kWeekGroup, C::ShowScreen, false},

    {"День", "Преподаватели", "F11", S::kDayTeachers, C::ShowScreen, false},
    {"День", "Аудитории", "Ctrl+F3", S::kDayRooms, C::ShowScreen, false},
    {"День", "Группы", "Ctrl+F4", S::kDayGroups, C::ShowScreen, false},

    {"Таблицы", "Табл : Аудитории", "F4", S::kTableRooms, C::ShowScreen, false},
    {"Таблицы", "Табл : Группы", "Shift+Ctrl+F4", S::kTableGroups, C::ShowScreen, false},

    {"Печать|Основное расписание - ПН, ВТ, СР", "Лист 1", "", S::kPrintExtract, C::TeacherSheet1, false},
    {"Печать|Основное расписание - ПН, ВТ, СР", "Лист 2", "", S::kPrintExtract, C::TeacherSheet3, false},
    {"Печать|Основное расписание - ПН, ВТ, СР", "Лист 3", "", S::kPrintExtract, C::TeacherSheet5, false},
    {"Печать|Основное расписание - ПН, ВТ, СР", "Лист 4", "", S::kPrintExtract, C::TeacherSheet7, false},
    {"Печать|Основное расписание - ЧТ, ПТ, СБ", "Лист 1", "", S::kPrintExtract, C::TeacherSheet2, false},
    {"Печать|Основное расписание - ЧТ, ПТ, СБ", "Лист 2", "", S::kPrintExtract, C::TeacherSheet4, false},
    {"Печать|Основное расписание - ЧТ, ПТ, СБ", "Лист 3", "", S::kPrintExtract, C::TeacherSheet6, false},
    {"Печать|Основное расписание - ЧТ, ПТ, СБ", "Лист 4", "", S::kPrintExtract, C::TeacherSheet8, false},
    {"Печать|Занятость аудиторий - ПН, ВТ", "Левый лист", "", S::kPrintRooms, C::RoomSheet1, false},
    {"Печать|Занятость аудиторий - ПН, ВТ", "Правый лист", "", S::kPrintRooms, C::RoomSheet2, false},
    {"Печать|Занятость аудиторий - СР, ЧТ", "Левый лист", "", S::kPrintRooms, C::RoomSheet3, false},
    {"Печать|Занятость аудиторий - СР, ЧТ", "Правый лист", "", S::kPrintRooms, C::RoomSheet4, false},
    {"Печать|Занятость аудиторий - ПТ, СБ", "Левый лист", "", S::kPrintRooms, C::RoomSheet5, false},
    {"Печать|Занятость аудиторий - ПТ, СБ", "Правый лист", "", S::kPrintRooms, C::RoomSheet6, false},
    {"Печать", "Расписание групп", "", S::kPrintGroupSheet, C::GroupSheet, false},
    {"Печать", "Выписка по группе", "", S::kPrintExtract, C::ExtractSheet, false},
    {"Печать", "Специализация", "", S::kPrintSpecialisation, C::SpecialisationText, false},
    {"Печать", "", "", 0, C::ShowScreen, false},
    {"Печать", "Левые листы основного расписания", "", 0, C::WordTeacherSheetsLeft, false},
    {"Печать", "Правые листы основного расписания", "", 0, C::WordTeacherSheetsRight, false},
    {"Печать", "\"Прочая занятость\" аудиторий", "", 0, C::WordRoomOtherUse, false},
    {"Печать", "Недельное расписание преподавателя", "", 0, C::WordTeacherWeek, false},
    {"Печать", "Недельное расписание группы", "", 0, C::WordGroupWeek, false},
    {"Печать", "Недельная занятость аудитории", "", 0, C::WordRoomWeek, false},

    {"Настройки", "Подсказки", "", 0, C::Hints, true},
    {"Настройки", "", "", 0, C::ShowScreen, false},
    {"Настройки", "Отображение Неизвестного преподавателя", "", S::kMainMenu, C::UnknownTeacher, true},
    {"Настройки", "Жирная печать расписания для групп", "", 0, C::BoldGroupSheets, true},
    {"Настройки", "Изменение размера шрифта печати расписания групп", "", 0, C::GroupSheetSize, false},
    WEEK_TABLE_ITEMS("Настройки|Настройка таблиц недельного расписания преподавателя...", TeacherWeek,
                     S::kWeekTeacher),
    WEEK_TABLE_ITEMS("Настройки|Настройка таблиц недельного расписания группы...", GroupWeek, S::kWeekGroup),
    {"Настройки", "", "", 0, C::ShowScreen, false},
    {"Настройки", "Просмотр перед печатью", "", 0, C::PrintPreview, true},
    {"Настройки", "Проверка занятости преподавателей", "", 0, C::OccupancyCheck, true},
    {"Настройки", "Фотографии аудиторий", "", 0, C::RoomPhotographs, true},

    {"Изменения", "Изменение выписки по группе", "", S::kExtractEdit, C::ShowScreen, false},
    {"Изменения", "Изменения специализации", "", S::kSpecialisation, C::SpecialisationEditing, false},

    {"Автомат", "Показ ограничителей - первого и последнего уроков", "", S::kGroupComposition, C::LimitsShown, true},
    {"Автомат", "Переключение формы отображения ограничителей", "", 0, C::LimitsForm, false},
    {"Автомат", "", "", 0, C::ShowScreen, false},
    {"Автомат", "Первый урок - на все дни недели", "", 0, C::FirstLessonAllDays, false},
    {"Автомат", "Последний урок на все дни недели", "", 0, C::LastLessonAllDays, false},
    {"Автомат", "", "", 0, C::ShowScreen, false},
    {"Автомат", "Автоматическое составление расписания - дисциплины \"по группе\"", "", 0, C::ComposeWholeGroup,
     false},
    {"Автомат", "Автоматическое составление раписания - дисциплины \"по подгруппам\"", "", 0, C::ComposeSubgroups,
     false},
    {"Автомат", "", "", 0, C::ShowScreen, false},
    {"Автомат", "Очистка расписания от дисциплин \"по группе\"", "", 0, C::ClearWholeGroup, false},
    {"Автомат", "Очистка расписания от дисциплин \"по подгруппам\"", "", 0, C::ClearSubgroups, false},

    {"Приказы", "Администрация", "", S::kOrders, C::Orders1, false},
    {"Приказы", "Преподаватели музыки - штатные", "", S::kOrders, C::Orders2, false},
    {"Приказы", "Преподаватели музыки - совместители", "", S::kOrders, C::Orders3, false},
    {"Приказы", "Концертмейстеры", "", S::kOrders, C::Orders4, false},
    {"Приказы", "Дополнительно", "", S::kOrders, C::Orders5, false},

    {"Анализ", "Все преподаватели", "", S::kAnalysisTeachers, C::ShowScreen, false},
    {"Анализ", "Все аудитории", "", S::kAnalysisRooms, C::ShowScreen, false},
    {"Анализ|Кабинеты...", "Каб-1", "", S::kAnalysisRoomSet, C::RoomSet1, false},
    {"Анализ|Кабинеты...", "Каб-2", "", S::kAnalysisRoomSet, C::RoomSet2, false},
    {"Анализ|Кабинеты...", "Каб-3", "", S::kAnalysisRoomSet, C::RoomSet3, false},
    {"Анализ", "Преподаватель...", "", S::kAnalysisTeacher, C::ShowScreen, false},
    {"Анализ", "Аудитория...", "", S::kAnalysisRoom, C::ShowScreen, false},
    {"Анализ", "Группа...", "", S::kAnalysisGroup, C::ShowScreen, false},

    {"", "Главное Меню", "", S::kMainMenu, C::MainMenu, false},
};

#undef WEEK_TABLE_ITEMS

int RoomSetOf(MenuCommand c) {
    if (c == C::RoomSet1) return 1;
    if (c == C::RoomSet2) return 2;
    if (c == C::RoomSet3) return 3;
    return 0;
}

}  // namespace

const std::vector<MenuItem>& MenuBarItems() { return kItems; }

const MenuItem* FindMenuItem(MenuCommand command) {
    if (command == C::ShowScreen) return nullptr;
    for (const MenuItem& item : kItems)
        if (item.command == command) return &item;
    return nullptr;
}

std::optional<bool> MenuItemChecked(const Model& m, MenuCommand command) {
    switch (command) {
        case C::Catalog1: return m.config.currentCatalog == 1;
        case C::Catalog2: return m.config.currentCatalog == 2;
        case C::Catalog3: return m.config.currentCatalog == 3;
        case C::Catalog4: return m.config.currentCatalog == 4;
        case C::Hints: return OptionChecked(m, DisplayOption::Hints);
        case C::UnknownTeacher: return OptionChecked(m, DisplayOption::UnknownTeacher);
        case C::BoldGroupSheets: return OptionChecked(m, DisplayOption::BoldGroupSheets);
        case C::PrintPreview: return OptionChecked(m, DisplayOption::PrintPreview);
        case C::OccupancyCheck: return OptionChecked(m, DisplayOption::OccupancyCheck);
        case C::RoomPhotographs: return OptionChecked(m, DisplayOption::RoomPhotographs);
        default: return std::nullopt;
    }
}

bool MenuItemAvailable(const Model& m, MenuCommand command) {
    if (command == C::ComposeSubgroups) return false;
    if (int set = RoomSetOf(command)) return set <= m.roomSets.size();
    return true;
}

std::string MenuItemText(const Model& m, const MenuItem& item) {
    int set = RoomSetOf(item.command);
    if (set && set <= m.roomSets.size()) return m.roomSets[set].name;
    return item.text;
}
