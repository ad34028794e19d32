// The demo college's reference data: departments and teachers, rooms, divisions and
// groups, the orders lists. Every name is invented; everything is deterministic.
#include <algorithm>
#include <cstdint>

#include "demo/demo.h"
#include "store/departments.h"
#include "store/groups.h"
#include "store/rooms.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "store/orders.h"

namespace {

// A small deterministic generator (no seeds from time).
struct Dice {
    std::uint32_t state = 20240901u;
    int operator()(int n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
    }
};

// Surname stems: the male form; the female form adds "а".
const char* const kStems[] = {
    "Абрикосов", "Белозёров", "Берестов", "Васнецов", "Вересков",  "Голубков", "Гранатов", "Дубровин",  "Дятлов",
    "Ежевикин", "Жаворонков", "Журавлёв", "Зимин",    "Ивушкин",  "Калинов",   "Клёнов",   "Ковылёв",   "Колосов",
    "Лавров",   "Ландышев",   "Липатов",  "Лугов",    "Малинов",  "Медовиков", "Метелин",  "Мирошин",   "Незабудкин",
    "Ольхов",   "Орешков",    "Перепёлкин", "Полянин", "Рябинин", "Родников",  "Ромашов",  "Рощин",     "Сиренев",
    "Синицын",  "Снегирёв",   "Соколов",  "Сосновский", "Стрижов", "Тополев",  "Травин",   "Туманов",   "Углов",
    "Фиалков",  "Хвоев",      "Черёмухин", "Чижов",   "Шиповников", "Щеглов",  "Ясенев",   "Яхонтов",   "Бубенцов",
    "Вьюнов",   "Гусельников", "Домрачёв", "Звонарёв", "Клавесинов", "Ладов",   "Лютнев",   "Органов",   "Певцов",
    "Свирелин", "Струнов",
};
constexpr int kStemCount = sizeof(kStems) / sizeof(kStems[0]);

// First names with their initials; patronymics from the fathers' names.
struct FirstName {
    const char* name;
    bool female;
};
const FirstName kFirstNames[] = {
    {"Анна", true},     {"Борис", false},    {"Вера", true},      {"Глеб", false},   {"Дарья", true},
    {"Егор", false},    {"Елена", true},     {"Захар", false},    {"Ирина", true},   {"Кирилл", false},
    {"Людмила", true},  {"Максим", false},   {"Наталья", true},   {"Олег", false},   {"Полина", true},
    {"Роман", false},   {"Светлана", true},  {"Тимофей", false},  {"Ульяна", true},  {"Фёдор", false},
    {"Юлия", true},     {"Ярослав", false},  {"Галина", true},    {"Степан", false}, {"Маргарита", true},
};
constexpr int kFirstNameCount = sizeof(kFirstNames) / sizeof(kFirstNames[0]);
// Father's name: the patronymic stem, male "ович"/"евич" form and female form.
struct Patronymic {
    const char* male;
    const char* female;
};
const Patronymic kPatronymics[] = {
    {"Алексеевич", "Алексеевна"}, {"Борисович", "Борисовна"}, {"Викторович", "Викторовна"},
    {"Геннадьевич", "Геннадьевна"}, {"Дмитриевич", "Дмитриевна"}, {"Евгеньевич", "Евгеньевна"},
    {"Игоревич", "Игоревна"},     {"Константинович", "Константиновна"}, {"Леонидович", "Леонидовна"},
    {"Михайлович", "Михайловна"}, {"Николаевич", "Николаевна"}, {"Петрович", "Петровна"},
    {"Сергеевич", "Сергеевна"},   {"Юрьевич", "Юрьевна"},
};
constexpr int kPatronymicCount = sizeof(kPatronymics) / sizeof(kPatronymics[0]);

std::string Initial(const std::string& word) { return FirstChars(word, 1) + "."; }

struct Person {
    std::string surname, initials, nameAndPatronymic;
};

// Person i: unique surname (double-barrelled beyond the stems, for the full college).
Person MakePerson(int i, Dice& dice) {
    int a = i % kStemCount, round = (i / kStemCount) / 2;
    // the two forms of a stem alternate between the blocks, so every surname is new
    bool female = ((i / kStemCount) % 2 == 0) == (a % 3 != 1);
    auto form = [female](int stem) {
        std::string s = kStems[stem];
        if (!female) return s;
        const std::string adjective = "ий";
        if (s.size() > adjective.size() && s.compare(s.size() - adjective.size(), adjective.size(), adjective) == 0)
            return s.substr(0, s.size() - adjective.size()) + "ая";
        return s + "а";
    };
    Person p;
    p.surname = form(a);
    if (round > 0) p.surname += "-" + form((a + round) % kStemCount);
    const FirstName* first;
    do first = &kFirstNames[dice(kFirstNameCount)];
    while (first->female != female);
    const Patronymic& pat = kPatronymics[dice(kPatronymicCount)];
    std::string patronymic = female ? pat.female : pat.male;
    p.nameAndPatronymic = std::string(first->name) + " " + patronymic;
    p.initials = Initial(first->name) + Initial(patronymic);
    return p;
}

std::string Digits(Dice& dice, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) s += static_cast<char>('0' + dice(10));
    return s;
}

// ---------------------------------------------------------------- rooms

struct RoomPart {
    const char* caption;
    const char* location;
};
const RoomPart kRoomParts[] = {
    {"1-й этаж", "1 этаж"}, {"2-й этаж", "2 этаж"}, {"3-й этаж", "3 этаж"}, {"Хоздвор", "Флигель"},
    {"Музкорпус", "Музкорпус"},
};
const char* const kRoomNames[] = {
    "Кабинет фортепиано", "Класс сольфеджио",        "Кабинет теории музыки", "Класс струнных инструментов",
    "Кабинет педагогики", "Кабинет психологии",      "Класс хорового дирижирования", "Кабинет истории",
    "Кабинет литературы", "Кабинет иностранного языка", "Класс народных инструментов", "Класс духовых инструментов",
    "Кабинет информатики", "Методический кабинет",  "Класс ударных инструментов", "Кабинет музыкальной литературы",
};
constexpr int kRoomNameCount = sizeof(kRoomNames) / sizeof(kRoomNames[0]);

void FillRooms(Model& model, const std::vector<Person>& keepers, bool full, Dice& dice) {
    // rooms per building part; the halls come last, in the music building
    const int perPart[] = {12, 14, 12, 6, 14};
    const int fullPerPart[] = {20, 20, 20, 20, 20};
    model.rooms.clear();
    for (int part = 0; part < 5; ++part) {
        int count = full ? fullPerPart[part] : perPart[part];
        for (int k = 1; k <= count; ++k) {
            Room r;
            if (part < 3)
                r.number = std::to_string((part + 1) * 100 + k);
            else
                r.number = std::string(part == 3 ? "Х-" : "М-") + std::to_string(k);
            if (!full && part == 4 && k == count - 1) r.number = "Акт.зал";
            if (!full && part == 4 && k == count) r.number = "Орг.зал";
            r.name = kRoomNames[dice(kRoomNameCount)];
            if (part == 4 && k <= 8) r.name = "Класс для индивидуальных занятий";
            if (r.number == "Акт.зал") r.name = "Актовый зал";
            if (r.number == "Орг.зал") r.name = "Органный зал";
            const Person& keeper = keepers[(part * 17 + k * 5) % keepers.size()];
            r.keeper = keeper.surname + " " + keeper.initials;
            r.location = kRoomParts[part].location;
            r.small = (part == 4 && k <= 8) || (part == 3 && k <= 2) ? 1 : 0;
            for (int day = 1; day <= kDays; ++day)
                for (int lesson = 1; lesson <= kLessons; ++lesson) r.notes.note1[day][lesson] = r.notes.note2[day][lesson] = "-";
            model.rooms.push_back(r);
        }
    }
    // a few notes
    auto note = [&](int room, int day, int lesson, const char* n1, const char* n2) {
        model.rooms[room].notes.note1[day][lesson] = n1;
        model.rooms[room].notes.note2[day][lesson] = n2;
    };
    note(1, 1, 3, "Репетиция хора", "-");
    note(3, 3, 5, "Ремонт рояля", "настройщик");
    note(15, 5, 7, "Открытый урок", "Методобъединение");
    note(model.rooms.size() - 1, 6, 2, "Концерт", "Подготовка зала");

    model.roomPrintNames.clear();
    if (full) {
        for (const Room& r : model.rooms) model.roomPrintNames.push_back({r.number, "Ауд. " + r.number});
    } else {
        model.roomPrintNames.push_back({"Акт.зал", "Актовый зал"});
        model.roomPrintNames.push_back({"Орг.зал", "Органный зал"});
        model.roomPrintNames.push_back({"Х-1", "Флигель 1"});
        model.roomPrintNames.push_back({"Х-2", "Флигель 2"});
    }

    model.roomSets.clear();
    if (full) {
        for (int s = 1; s <= kMaxRoomSets; ++s) {
            RoomSet set{"Набор " + std::to_string(s), {}};
            for (int k = 0; k < kMaxRoomsPerSet; ++k) set.rooms.push_back(model.rooms[(s - 1) * 10 + k + 1].number);
            model.roomSets.push_back(set);
        }
    } else {
        model.roomSets.push_back({"Кабинеты теории", {"103", "104", "105", "203", "204"}});
        model.roomSets.push_back({"Классы фортепиано", {"101", "102", "201", "202", "301", "302"}});
        model.roomSets.push_back({"Музкорпус", {"М-1", "М-2", "М-3", "М-4", "М-5", "М-6", "М-7", "М-8"}});
        model.roomSets.push_back({"Флигель", {"Х-1", "Х-2", "Х-3", "Х-4", "Х-5", "Х-6"}});
    }
}

// Parts of one picker stacked from `top`, `step` pixels apart; the room counts follow the building parts.
RoomLayout StackedLayout(const Model& model, std::vector<int> head, int parts, int top, int step, int captionLeft,
                         int captionWidth, int gridLeft, int gridWidth, int gridHeight, bool full) {
    const int perPart[] = {12, 14, 12, 6, 14};
    const char* const captions[] = {"1-й этаж", "2-й этаж", "3-й этаж", "Хоздвор", "Музкорпус", "Залы"};
    RoomLayout layout;
    layout.head = std::move(head);
    int remaining = model.rooms.size();
    for (int k = 0; k < parts; ++k) {
        RoomLayoutPart p;
        p.captionShown = 1;
        p.caption = captions[k];
        p.captionTop = top + k * step;
        p.captionLeft = captionLeft;
        p.captionHeight = 20;
        p.captionWidth = captionWidth;
        p.gridShown = 1;
        p.gridTop = top + k * step;
        p.gridLeft = gridLeft;
        p.gridHeight = gridHeight;
        p.gridWidth = gridWidth;
        p.roomCount = full ? model.rooms.size() / parts : (k < 5 ? perPart[k] : 0);
        if (!full && parts == 6 && k == 4) p.roomCount = 12;  // the two halls get their own part
        if (!full && parts == 6 && k == 5) p.roomCount = 2;
        p.roomCount = std::min(p.roomCount, remaining);
        remaining -= p.roomCount;
        // each column takes its width and one pixel of grid line; the frame takes two
        p.columnWidth = p.roomCount > 0 ? std::max(16, (gridWidth - 2) / p.roomCount - 1) : gridWidth;
        layout.parts.push_back(p);
    }
    NumberLayoutParts(layout);
    return layout;
}

void WriteLayouts(Model& model, bool full) {
    // group composition: the room-choice area at the bottom right of the screen
    SaveRoomLayout(model, kCompositionLayout,
                   StackedLayout(model, {525, 550, 527, 820}, 5, 552, 28, 555, 75, 632, 378, 26, full));
    // specialisation screen: five parts in the strip below its lesson table
    SaveRoomLayout(model, kSpecialisationLayout,
                   StackedLayout(model, {598, 900, 628, 900}, 5, 598, 19, 220, 80, 300, 590, 18, full));
    // "now" screen: six captioned grids of three rows
    SaveRoomLayout(model, kNowLayout, StackedLayout(model, {610, 640}, 6, 40, 92, 250, 120, 250, 760, 68, full));
}

// ---------------------------------------------------------------- departments

struct DepartmentPlan {
    const char* title;
    const char* shortTitle;
    const char* fileKey;
    int teachers;
};
const DepartmentPlan kDepartments[] = {
    {"Предметно-цикловая комиссия фортепиано", "Фортепиано", "fortepiano", 14},
    {"Предметно-цикловая комиссия струнных инструментов", "Струнные", "strunnye", 12},
    {"Предметно-цикловая комиссия духовых и ударных инструментов", "Духовые", "duhovye", 12},
    {"Предметно-цикловая комиссия народных инструментов", "Народные", "narodnye", 12},
    {"Предметно-цикловая комиссия хорового дирижирования", "Хоровая", "horovaya", 12},
    {"Предметно-цикловая комиссия теории музыки", "Теория", "teoriya", 12},
    {"Предметно-цикловая комиссия педагогики и психологии", "Педагогика", "pedagogika", 14},
    {"Предметно-цикловая комиссия общеобразовательных дисциплин", "Общеобразоват.", "obshchie", 14},
    {"Предметно-цикловая комиссия физического воспитания", "Физвоспитание", "fizvosp", 6},
    {"Совместители и внешние преподаватели", "Совместители", "sovmest", 12},
};
constexpr int kDepartmentCount = sizeof(kDepartments) / sizeof(kDepartments[0]);

std::vector<Person> FillDepartments(Model& model, bool full, Dice& dice) {
    model.departments.clear();
    std::vector<Person> people;
    int count = full ? kMaxDepartments : kDepartmentCount;
    int next = 0;
    for (int d = 1; d <= count; ++d) {
        Department dep;
        const DepartmentPlan& plan = kDepartments[std::min(d, kDepartmentCount) - 1];
        bool last = d == count;
        if (full && !last) {
            dep.title = std::string(kDepartments[(d - 1) % (kDepartmentCount - 1)].title) + " " + std::to_string(d);
            dep.shortTitle = std::string(kDepartments[(d - 1) % (kDepartmentCount - 1)].shortTitle) + "-" + std::to_string(d);
            dep.fileKey = "kafedra" + std::to_string(d);
        } else {
            const DepartmentPlan& s = last ? kDepartments[kDepartmentCount - 1] : plan;
            dep.title = s.title;
            dep.shortTitle = s.shortTitle;
            dep.fileKey = s.fileKey;
        }
        dep.extraTitle = "ПЦК";
        int teachers = full ? kMaxTeachers : plan.teachers;
        for (int k = 1; k <= teachers; ++k) {
            Person p = MakePerson(next++, dice);
            people.push_back(p);
            Teacher t;
            t.surname = p.surname;
            t.initials = p.initials;
            t.nameAndPatronymic = p.nameAndPatronymic;
            t.fileKey = p.surname;
            t.kind = last || dice(6) == 0 ? 2 : 1;
            t.room = dice(3) == 0 ? "-" : std::to_string((1 + dice(3)) * 100 + 1 + dice(12));
            if (d == 7) t.practiceHoursBudget = 2 + dice(5) * 0.5;
            if (d == 7 && dice(2) == 0) t.practiceHoursContract = 1 + dice(4) * 0.25;
            t.homePhone = dice(4) == 0 ? "" : "8 (812) " + Digits(dice, 3) + "-" + Digits(dice, 2) + "-" + Digits(dice, 2);
            t.mobilePhone = "+7 9" + Digits(dice, 2) + " " + Digits(dice, 3) + "-" + Digits(dice, 2) + "-" + Digits(dice, 2);
            t.displayName = t.surname + " " + t.initials;
            for (int day = 1; day <= kDays; ++day) t.occupancy[day] = kFreeWeekDay;
            dep.teachers.push_back(t);
        }
        model.departments.push_back(dep);
    }
    // two or three teachers are away
    model.departments[2].teachers[3].presence = 2;
    model.departments[5].teachers[7].presence = 2;
    model.departments[count].teachers[2].presence = 2;
    return people;
}

// ---------------------------------------------------------------- orders lists

void FillOrdersLists(Model& model, bool full, Dice& dice) {
    const char* const titles[] = {"", "Администрация", "Преподаватели музыки - штатные",
                                  "Преподаватели музыки - совместители", "Концертмейстеры", "Дополнительно"};
    for (int n = 1; n <= kOrdersLists; ++n) {
        OrdersList& list = model.ordersLists[n];
        list.listTitle = titles[n];
        list.entries.clear();
    }
    auto entry = [&](int n, const std::string& surname, const std::string& initials, const std::string& nap,
                     double hours, double concert) { model.ordersLists[n].entries.push_back({surname, initials, nap, hours, concert}); };
    if (full) {
        for (int n = 1; n <= kOrdersLists; ++n)
            for (int k = 0; k < kMaxOrdersEntries; ++k) {
                Person p = MakePerson(1000 + n * 100 + k, dice);
                entry(n, p.surname, p.initials, p.nameAndPatronymic, dice(20), dice(3) == 0 ? dice(10) : 0);
            }
        return;
    }
    // administration: people outside the departments, and the director who also teaches
    const Teacher& director = model.departments[1].teachers[1];
    entry(1, director.surname, director.initials, director.nameAndPatronymic, 6, 0);
    for (int k = 0; k < 5; ++k) {
        Person p = MakePerson(300 + k, dice);
        entry(1, p.surname, p.initials, p.nameAndPatronymic, k < 2 ? 4 : 0, 0);
    }
    for (int k = 0; k < 8; ++k) {
        Person p = MakePerson(320 + k, dice);
        entry(2, p.surname, p.initials, p.nameAndPatronymic, 9 + dice(10), 0);
    }
    for (int k = 0; k < 5; ++k) {
        Person p = MakePerson(340 + k, dice);
        entry(3, p.surname, p.initials, p.nameAndPatronymic, 4 + dice(6), 0);
    }
    for (int k = 0; k < 6; ++k) {
        Person p = MakePerson(360 + k, dice);
        entry(4, p.surname, p.initials, p.nameAndPatronymic, 0, 12 + dice(12) + 0.5 * dice(2));
    }
    // extra hours of department teachers
    for (int d : {2, 4, 6}) {
        const Teacher& t = model.departments[d].teachers[2];
        entry(5, t.surname, t.initials, t.nameAndPatronymic, 2 + dice(3), d == 4 ? 3 : 0);
    }
}

// ---------------------------------------------------------------- divisions and groups

struct DivisionPlan {
    const char* name;
    const char* shortName;
    const char* code;
    const char* specialty;
    int base;
    const char* captions[2];
};
const DivisionPlan kDivisions[] = {
    {"Фортепианное отделение", "ФО", "0501", "Инструм. исполнительство (фортепиано)", 9, {"Фортепиано", "Орган"}},
    {"Оркестровое отделение", "ОО", "0501", "Инструм. исполнительство (оркестровые)", 9, {"Струнные", "Духовые"}},
    {"Отделение народных инструментов", "НИ", "0501", "Инструм. исполнительство (народные)", 9,
     {"Баян, аккордеон", "Домра, балалайка"}},
    {"Отделение хорового дирижирования", "ХД", "0502", "Хоровое дирижирование", 9, {"Хор", "Хор (доп.)"}},
    {"Теоретическое отделение", "ТО", "0503", "Теория музыки", 9, {"Теория", "Теория (доп.)"}},
    {"Отделение музыкального образования", "МО", "0504", "Музыкальное образование", 11,
     {"Муз. образование", "Дошк. образование"}},
};
constexpr int kDivisionCount = sizeof(kDivisions) / sizeof(kDivisions[0]);

void FillGroups(Model& model, const std::vector<Person>& tutors, bool full, Dice& dice) {
    model.groups.clear();
    model.divisions.clear();
    model.specialtyCodes.clear();
    int divisions = full ? kMaxDivisions : kDivisionCount;
    for (int d = 1; d <= divisions; ++d) {
        const DivisionPlan& plan = kDivisions[(d - 1) % kDivisionCount];
        Division& div = model.divisions.push_back(Division{});
        div.name = plan.name + (d > kDivisionCount ? std::string(" ") + std::to_string(d) : "");
        for (int course = 1; course <= kCourses; ++course) {
            // two groups in the first courses of the larger divisions, the second one on contract
            int count = full ? 2 : (d <= 3 || (d == 6 && course <= 2) ? 2 : 1);
            if (!full && d == 5 && course == 4) count = 1;
            for (int k = 1; k <= count; ++k) {
                if (model.groups.full()) break;
                Group g;
                g.number = std::to_string(course) + std::to_string(d) + std::to_string(k);
                g.division = plan.shortName;
                g.base = plan.base == 11 && k == 2 ? 9 : plan.base;
                g.course = course;
                g.specialty = plan.specialty;
                g.code = plan.code;
                g.financing = k == 2 && (d % 2 == 0 || course >= 3) ? 2 : 1;
                const Person& tutor = tutors[(d * 11 + course * 3 + k * 7) % tutors.size()];
                g.classTutor = tutor.surname + " " + tutor.initials;
                g.practiceDay = d == 6 && course >= 2 ? 2 + course % 3 : 0;
                model.groups.push_back(g);
                DivisionCell cell{g.number, plan.captions[k - 1], g.financing == 2 ? "дог" : "б", 8 + dice(17)};
                div.courses[course].push_back(cell);
            }
        }
        if (full) {
            // every cell of the structure in use: the remaining cells repeat groups of the list
            for (int course = 1; course <= kCourses; ++course)
                while (!div.courses[course].full()) {
                    const Group& g = model.groups[1 + (d * 7 + course * 13 + div.courses[course].size()) % model.groups.size()];
                    div.courses[course].push_back({g.number, "Сводная", g.financing == 2 ? "дог" : "б", 10});
                }
        }
        int columns = 1;
        for (int course = 1; course <= kCourses; ++course) columns = std::max(columns, div.courses[course].size());
        div.columns = columns;
    }

    const char* const codes[][2] = {
        {"0501", "Инструментальное исполнительство"}, {"0502", "Хоровое дирижирование"},
        {"0503", "Теория музыки"}, {"0504", "Музыкальное образование"},
        {"0505", "Дошкольное образование"}, {"0506", "Сольное и хоровое народное пение"},
    };
    for (auto& c : codes) model.specialtyCodes.push_back({c[0], c[1]});
    while (full && !model.specialtyCodes.full())
        model.specialtyCodes.push_back({"09" + std::to_string(model.specialtyCodes.size()), "Специальность"});

    model.sheets.clear();
    model.sheetPlanValue = 1;
    int sheets = full ? kMaxSheets : (model.groups.size() + 3) / 4;
    for (int s = 0; s < sheets; ++s) {
        TimetableSheet& sheet = model.sheets.push_back(TimetableSheet{});
        for (int c = 1; c <= 4; ++c) {
            int g = s * 4 + c;
            if (full) g = 1 + (g - 1) % model.groups.size();
            sheet.groups[c] = g <= model.groups.size() ? model.groups[g].number : "";
        }
    }

    model.dutyGroup = 5;
    model.statePracticeGroups.fill(0);
    int slot = 1;
    for (int g = 1; g <= model.groups.size() && slot <= 6; ++g)
        if (model.groups[g].course == 4 && (model.groups[g].division == "МО" || model.groups[g].division == "ХД"))
            model.statePracticeGroups[slot++] = g;

    model.specialGroupLines.clear();
    for (const char* l : {"Иностранный язык", "Физическая культура", "Информатика", "Ин.яз.", "Физ-ра"})
        model.specialGroupLines.push_back(l);
    while (full && !model.specialGroupLines.full())
        model.specialGroupLines.push_back("Дисциплина " + std::to_string(model.specialGroupLines.size() + 1));
}

}  // namespace

void WriteDemoStore(Model& model, const DemoOptions& options) {
    Dice dice;
    const bool full = options.full;
    std::vector<Person> people = FillDepartments(model, full, dice);
    FillGroups(model, people, full, dice);
    FillRooms(model, people, full, dice);
    FillOrdersLists(model, full, dice);

    SaveSpecialGroupLines(model);
    SaveRoomSets(model);
    SaveSpecialtyCodes(model);
    SaveGroups(model);
    SaveSheets(model);
    SavePracticeDays(model);
    SaveDutyGroup(model);
    SaveStatePractice(model);

    SaveDepartmentList(model);
    for (int d = 1; d <= model.departments.size(); ++d) {
        SaveDepartment(model, d);
        SaveAbsences(model, d);
        for (int t = 1; t <= model.departments[d].teachers.size(); ++t) SaveOccupancy(model, d, t);
    }
    for (int n = 1; n <= kOrdersLists; ++n) SaveOrdersList(model, n);

    SaveRooms(model);
    SaveRoomPrintNames(model);
    for (int r = 1; r <= model.rooms.size(); ++r) SaveRoomNotes(model, r);
    WriteLayouts(model, full);

    // The model now mirrors the files, derived fields included, for the later stages.
    LoadSpecialGroupLines(model);
    LoadRoomSets(model);
    LoadGroups(model);
    LoadDepartments(model);
    LoadRooms(model);
}
