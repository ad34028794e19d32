// The teacher names held by the extract and specialisation tables, for the removal
// check of the department lists.
#include "shell/model.h"
#include "store/departments.h"

std::vector<ExtractTeacherNames> ExtractTeacherLists(const Model& model) {
    std::vector<ExtractTeacherNames> lists;
    const int n = std::min(model.groups.size(), model.extracts.size());
    for (int g = 1; g <= n; ++g) {
        ExtractTeacherNames names{model.groups[g].number, {}};
        for (const ExtractLine& l : model.extracts[g].lines)
            for (const std::string* t : {&l.teacherGroup, &l.teacherSub1, &l.teacherSub2})
                if (*t != "-") names.teachers.push_back(*t);
        lists.push_back(std::move(names));
    }
    return lists;
}

std::vector<SpecialisationTeacherNames> SpecialisationTeacherLists(const Model& model) {
    std::vector<SpecialisationTeacherNames> lists;
    for (const Specialisation& s : model.specialisations) {
        SpecialisationTeacherNames names{s.division, s.course, {}};
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h) names.teachers.push_back(s.cell(v, h).teacher);
        lists.push_back(std::move(names));
    }
    return lists;
}
