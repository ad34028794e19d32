#include "absences/absent_groups.h"

#include "shell/model.h"
#include "base/text_index.h"

void ComputeAbsentTeacherGroups(Model& model) {
    model.absentTeacherGroups.clear();
    if (model.absentTeachers.empty()) return;
    TextIndex absent(static_cast<size_t>(model.absentTeachers.size()));
    for (const AbsentTeacher& a : model.absentTeachers) absent.Insert(a.surname);
    // Most entries are empty ("-"); they are looked up only if an absent teacher is named so.
    const bool lookUpEmpty = absent.Contains("-");
    for (int g = 1; g <= model.timetables.size(); ++g) {
        const GroupTimetable& t = model.timetables[g];
        bool marked = false;
        for (int d = 1; d <= kDays && !marked; ++d)
            for (int l = 1; l <= kLessons && !marked; ++l)
                for (int p = 1; p <= 3 && !marked; ++p) {
                    const std::string& teacher = t.at(d, l).part(p).teacher;
                    const bool empty = teacher.size() == 1 && teacher[0] == '-';
                    marked = (lookUpEmpty || !empty) && absent.Contains(teacher);
                }
        if (marked) model.absentTeacherGroups.push_back(g);
    }
}
