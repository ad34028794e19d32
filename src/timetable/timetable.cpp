#include "timetable/timetable.h"

#include <string_view>
#include <unordered_map>
#include <vector>

#include "shell/model.h"
#include "base/text_index.h"
#include "base/textfile.h"

std::string LessonKey(int day, int lesson) {
    return std::to_string(day) + (lesson < 10 ? "0" : "") + std::to_string(lesson);
}

std::string GroupFilePath(const std::string& folder, const std::string& number, const std::string& extension) {
    std::string problem = FileNameProblem(number);
    if (!problem.empty())
        throw FileError("Номер группы «" + number + "» не годится для имени файла: " + problem, folder);
    return folder + number + extension;
}

// ---------------------------------------------------------------- timetable files

namespace {

TextWriter TimetableFileText(const std::string& groupName, const GroupTimetable& t) {
    TextWriter w;
    w.Line(groupName).Separator();
    for (int d = 1; d <= kDays; ++d)
        for (int l = 1; l <= kLessons; ++l) {
            w.Line(LessonKey(d, l));
            const LessonCell& c = t.at(d, l);
            for (const LessonEntry* e : {&c.group, &c.sub1, &c.sub2})
                w.Line(e->discipline).Line(e->teacher).Line(e->room);
            w.Separator();
        }
    return w;
}

// A value line of a positional file; a line missing at the end of a truncated file
// reads as "-", so that it is an empty entry rather than a lesson without a name.
void ReadValueLine(TextReader& r, std::string& value) {
    if (r.AtEnd())
        value = "-";
    else
        r.ReadEntry(value);
}

void ReadTimetable(TextReader r, GroupTimetable& t) {
    r.Skip(2);
    for (int d = 1; d <= kDays; ++d)
        for (int l = 1; l <= kLessons; ++l) {
            r.Skip();  // key, not checked
            LessonCell& c = t.at(d, l);
            for (LessonEntry* e : {&c.group, &c.sub1, &c.sub2}) {
                ReadValueLine(r, e->discipline);
                ReadValueLine(r, e->teacher);
                ReadValueLine(r, e->room);
            }
            r.Skip();
        }
}

}  // namespace

std::string TimetableFileBytes(const std::string& groupName, const GroupTimetable& t) {
    return TimetableFileText(groupName, t).bytes();
}

// ---------------------------------------------------------------- limits files

std::string LimitsDayLine(int first, int last) {
    std::string line;
    for (int i = 1; i <= kLessons; ++i) {
        char c = '0';
        if (i == first) c = '1';
        if (i == last) c = '2';
        line += c;
    }
    return line;
}

void ReadLimitsDayLine(const std::string& line, int& first, int& last) {
    first = 1;
    last = 8;
    for (int i = 1; i <= kLessons && i <= static_cast<int>(line.size()); ++i) {
        if (line[i - 1] == '1') first = i;
        if (line[i - 1] == '2') last = i;
    }
}

namespace {

TextWriter LimitsFileText(const std::string& groupName, const LessonLimits& limits) {
    TextWriter w;
    w.Line(groupName).Separator();
    for (int d = 1; d <= kDays; ++d) w.Line(LimitsDayLine(limits.first[d], limits.last[d]));
    return w;
}

}  // namespace

std::string LimitsFileBytes(const std::string& groupName, const LessonLimits& limits) {
    return LimitsFileText(groupName, limits).bytes();
}

// ---------------------------------------------------------------- load and save

void LoadAllTimetables(Model& model) {
    const AppConfig& c = model.config;
    const int n = model.groups.size();
    // Every entry of groups 1..n is read from its file below; resize clears the rest.
    model.timetables.resize(n);
    model.lessonLimits.resize(n);
    const FolderHandle timetables(c.timetableFolder), limits(c.autoFolder);
    for (int g = 1; g <= n; ++g) {
        const std::string& name = model.groups[g].number;
        std::string path = GroupFilePath(c.timetableFolder, name, ".ras");
        ReadTimetable(OpenOrCreate(path, [&] { TimetableFileText(name, GroupTimetable{}).Save(path); }, &timetables),
                      model.timetables[g]);
    }
    for (int g = 1; g <= n; ++g) {
        const std::string& name = model.groups[g].number;
        std::string path = GroupFilePath(c.autoFolder, name, ".ogr");
        TextReader r = OpenOrCreate(path, [&] { LimitsFileText(name, LessonLimits{}).Save(path); }, &limits);
        r.Skip(2);
        LessonLimits& lim = model.lessonLimits[g];
        for (int d = 1; d <= kDays; ++d) ReadLimitsDayLine(r.ReadLine(), lim.first[d], lim.last[d]);
    }
}

void SaveGroupTimetable(const Model& model, int group) {
    const std::string& name = model.groups[group].number;
    TimetableFileText(name, model.timetables[group]).Save(GroupFilePath(model.config.timetableFolder, name, ".ras"));
}

void SaveLessonLimits(const Model& model, int group) {
    const std::string& name = model.groups[group].number;
    LimitsFileText(name, model.lessonLimits[group]).Save(GroupFilePath(model.config.autoFolder, name, ".ogr"));
}

// ---------------------------------------------------------------- derived tables

void ComputeRoomOccupancy(Model& model) {
    model.roomOccupancy.clear();
    // Room name -> position of its last match in the room list.
    std::unordered_map<std::string, int> position;
    for (int r = 1; r <= model.rooms.size(); ++r) position[model.rooms[r].number] = r;
    auto mark = [&](const std::string& room, int day, int lesson) {
        if (room == "-") return;
        auto it = position.find(room);
        if (it != position.end()) model.roomOccupancy.cells[it->second][day][lesson] = 1;
    };
    for (int g = 1; g <= model.timetables.size(); ++g) {
        const GroupTimetable& t = model.timetables[g];
        for (int d = 1; d <= kDays; ++d)
            for (int l = 1; l <= kLessons; ++l) {
                const LessonCell& c = t.at(d, l);
                mark(c.group.room, d, l);
                mark(c.sub1.room, d, l);
                mark(c.sub2.room, d, l);
            }
    }
    for (const Specialisation& s : model.specialisations) {
        if (s.day < 1 || s.day > kDays) continue;
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h) {
                const SpecialisationCell& cell = s.cell(v, h);
                if (cell.lesson >= 1 && cell.lesson <= kLessons) mark(cell.room, s.day, cell.lesson);
            }
    }
}

void ComputePlacedCounts(Model& model) {
    const int n = std::min(model.extracts.size(), model.timetables.size());
    std::vector<std::array<int, 4>> counts;
    for (int g = 1; g <= n; ++g) {
        GroupExtract& x = model.extracts[g];
        if (x.lines.empty()) continue;
        // Discipline of the extract -> lessons per part, counted once per group.
        TextIndex disciplines(static_cast<size_t>(x.lines.size()));
        for (const ExtractLine& line : x.lines) disciplines.Insert(line.discipline);
        counts.assign(disciplines.size(), std::array<int, 4>{});
        // Empty entries ("-") are most of a timetable; they count only if an extract line is named so.
        const bool countEmpty = disciplines.Contains("-");
        const GroupTimetable& t = model.timetables[g];
        for (int d = 1; d <= kDays; ++d)
            for (int l = 1; l <= kLessons; ++l)
                for (int p = 1; p <= 3; ++p) {
                    const std::string& discipline = t.at(d, l).part(p).discipline;
                    if (!countEmpty && discipline.size() == 1 && discipline[0] == '-') continue;
                    const int k = disciplines.Find(discipline);
                    if (k >= 0) ++counts[static_cast<size_t>(k)][p];
                }
        for (ExtractLine& line : x.lines) {
            line.placed = counts[static_cast<size_t>(disciplines.Find(line.discipline))];
            line.placed[0] = 0;
        }
    }
}

void ComputeSpecialisationDays(Model& model) {
    model.specialisationDay.fill(0);
    for (const Specialisation& s : model.specialisations)
        for (const std::string& name : s.groups)
            for (int g = 1; g <= model.groups.size(); ++g)
                if (model.groups[g].number == name) model.specialisationDay[g] = s.day;
}

std::string RoomOccupantText(const Model& model, const std::string& room, int day, int lesson) {
    std::string text;
    if (room == "-") return text;
    for (int g = 1; g <= model.timetables.size(); ++g) {
        const LessonCell& c = model.timetables[g].at(day, lesson);
        for (const LessonEntry* e : {&c.group, &c.sub1, &c.sub2})
            if (e->room == room) {
                text = model.groups[g].number + " группа : " + e->teacher + " : " + e->discipline;
                break;
            }
    }
    if (text.empty()) text = SpecialisationOccupantText(model, room, day, lesson);
    return text;
}

int PlacedLessonCount(const Model& model) {
    int count = 0;
    for (const GroupTimetable& t : model.timetables)
        for (int d = 1; d <= kDays; ++d)
            for (int l = 1; l <= kLessons; ++l)
                for (int p = 1; p <= 3; ++p) count += t.at(d, l).part(p).empty() ? 0 : 1;
    return count;
}
