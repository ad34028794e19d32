#include "timetable/specialisation.h"

#include <vector>

#include "shell/model.h"
#include "base/textfile.h"

namespace {

std::string ListPath(const Model& model) { return model.config.specialisationFolder + "spec.set"; }

std::string SpecialisationPath(const Model& model, const std::string& key) {
    std::string problem = FileNameProblem(key);
    if (!problem.empty())
        throw FileError("Ключ специализации «" + key + "» не годится для имени файла: " + problem, ListPath(model));
    return model.config.specialisationFolder + key + ".spe";
}

void CheckRange(long value, long low, long high, const std::string& path, const std::string& what) {
    if (value < low || value > high)
        throw FileError("Недопустимое значение (" + what + "): " + std::to_string(value) + ", допустимо от " +
                            std::to_string(low) + " до " + std::to_string(high),
                        path);
}

TextWriter ListText(const Model& model) {
    TextWriter w;
    w.Int(model.specialisations.size()).Line("---");
    for (const Specialisation& s : model.specialisations) {
        w.Line(s.key).Line(s.division).Int(s.course).Int(s.hours).Int(s.groups.size());
        for (const std::string& g : s.groups) w.Line(g);
        w.Line("---");
    }
    return w;
}

TextWriter SpecialisationText(const Specialisation& s) {
    TextWriter w;
    w.Line(s.key).Int(s.day).Int(s.hours).Int(s.variants).Separator();
    for (int v = 1; v <= s.variants; ++v) {
        w.Int(v);
        for (int h = 1; h <= s.hours; ++h) {
            const SpecialisationCell& c = s.cell(v, h);
            w.Line(c.teacher).Line(c.room).Int(c.lesson);
        }
        w.Separator();
    }
    return w;
}

}  // namespace

namespace {

void ReadSpecialisations(Model& model, Table<Specialisation, kMaxSpecialisations>& table) {
    const TextIndex known = TeacherSurnames(model);
    const std::string listPath = ListPath(model);
    TextReader list = TextReader::Open(listPath);
    long count = list.ReadInt();
    CheckCount(count, kMaxSpecialisations, listPath, "специализации");
    list.Skip();
    for (int i = 1; i <= count; ++i) {
        table.resize(i);  // the new entry is a default one, filled where it stays
        Specialisation& s = table[i];
        s.key = list.ReadLine();
        s.division = list.ReadLine();
        s.course = static_cast<int>(list.ReadInt());
        long hours = list.ReadInt();
        CheckRange(hours, 1, kMaxSpecialisationHours, listPath, "часы специализации " + s.key);
        s.hours = static_cast<int>(hours);
        long groups = list.ReadInt();
        CheckCount(groups, kMaxSpecialisationGroups, listPath, "группы специализации " + s.key);
        for (long k = 1; k <= groups; ++k) s.groups.push_back(list.ReadLine());
        list.Skip();

        const std::string path = SpecialisationPath(model, s.key);
        TextReader r = TextReader::Open(path);
        r.Skip();
        long day = r.ReadInt();
        CheckRange(day, 1, kDays, path, "день недели");
        s.day = static_cast<int>(day);
        r.ReadInt();  // hours: those of spec.set count
        long variants = r.ReadInt();
        CheckRange(variants, 1, kMaxSpecialisationVariants, path, "варианты");
        s.variants = static_cast<int>(variants);
        r.Skip();
        for (int v = 1; v <= s.variants; ++v) {
            r.Skip();  // the variant's number
            for (int h = 1; h <= s.hours; ++h) {
                SpecialisationCell& c = s.cell(v, h);
                c.teacher = r.ReadLine();
                c.room = r.ReadLine();
                long lesson = r.ReadInt();
                CheckRange(lesson, 0, kLessons, path, "номер урока");
                c.lesson = static_cast<int>(lesson);
                if (!known.Contains(c.teacher)) c = SpecialisationCell{};
            }
            r.Skip();
        }
    }
}

}  // namespace

void LoadSpecialisations(Model& model) {
    // The entries are read in place; the ones before are kept aside, so that a
    // refused file leaves the specialisations as they were.
    Table<Specialisation, kMaxSpecialisations>& table = model.specialisations;
    std::vector<Specialisation> before;
    before.reserve(static_cast<size_t>(table.size()));
    for (Specialisation& s : table) before.push_back(std::move(s));
    table.clear();
    try {
        ReadSpecialisations(model, table);
    } catch (...) {
        table.clear();
        for (Specialisation& s : before) table.push_back(std::move(s));
        throw;
    }
    if (!model.specialisations.valid(model.currentSpecialisation)) model.currentSpecialisation = 1;
    ComputeSpecialisationDays(model);
}

std::string SpecialisationListBytes(const Model& model) { return ListText(model).bytes(); }
std::string SpecialisationFileBytes(const Specialisation& s) { return SpecialisationText(s).bytes(); }

void SaveSpecialisationList(const Model& model) { ListText(model).Save(ListPath(model)); }

void SaveSpecialisation(const Model& model, int index) {
    const Specialisation& s = model.specialisations[index];
    SpecialisationText(s).Save(SpecialisationPath(model, s.key));
}

int FindSpecialisationLesson(Model& model, const std::string& teacher, int day, int lesson) {
    int found = 0;
    for (int i = 1; i <= model.specialisations.size(); ++i) {
        const Specialisation& s = model.specialisations[i];
        if (s.day != day) continue;
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h)
                if (s.cell(v, h).teacher == teacher && s.cell(v, h).lesson == lesson) found = i;
    }
    if (found != 0) model.currentSpecialisation = found;
    return found;
}

std::string SpecialisationLessonRoom(const Model& model, int index, const std::string& teacher, int lesson) {
    std::string room;
    const Specialisation& s = model.specialisations[index];
    for (int v = 1; v <= s.variants; ++v)
        for (int h = 1; h <= s.hours; ++h)
            if (s.cell(v, h).teacher == teacher && s.cell(v, h).lesson == lesson) room = s.cell(v, h).room;
    return room;
}

std::string SpecialisationOccupantText(const Model& model, const std::string& room, int day, int lesson) {
    std::string text;
    if (lesson == 0 || room == "-") return text;
    for (const Specialisation& s : model.specialisations) {
        if (s.day != day) continue;
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h) {
                const SpecialisationCell& c = s.cell(v, h);
                if (c.lesson == lesson && c.room == room)
                    text = "Специализация " + s.division + "-" + std::to_string(s.course) + " курс : " + c.teacher;
            }
    }
    return text;
}
