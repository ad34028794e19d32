#include "shell/prompts.h"

#include "store/groups.h"

void AskTeacher(Model& model, Dialogs& dialogs) {
    const Department* dep = model.departments.valid(model.sel.department) ? &model.departments[model.sel.department]
                                                                           : nullptr;
    std::string current = dep && dep->teachers.valid(model.sel.teacher) ? dep->teachers[model.sel.teacher].surname : "";
    std::string answer = dialogs.Input("Переход к другому преподавателю", "Введите фамилию преподавателя", current);
    // Cancel gives back the current surname: that keeps the selection rather than
    // moving it to a longer surname of a later department.
    if (answer.empty() || answer == current) return;
    for (int d = 1; d <= model.departments.size(); ++d) {
        const Department& department = model.departments[d];
        for (int t = 1; t <= department.teachers.size(); ++t) {
            if (department.teachers[t].surname.compare(0, answer.size(), answer) == 0) {
                model.sel.department = d;
                model.sel.teacher = t;
                break;
            }
        }
    }
}

namespace {

std::string CurrentGroupNumber(const Model& model) {
    return model.groups.valid(model.sel.group) ? model.groups[model.sel.group].number : "";
}

}  // namespace

void AskGroup(Model& model, Dialogs& dialogs) {
    std::string answer = dialogs.Input("Переход к другой группе", "Введите номер группы", CurrentGroupNumber(model));
    if (!answer.empty()) FindGroup(model, answer);
}

void AskExtractGroup(Model& model, Dialogs& dialogs, ScreenSwitch& screens) {
    std::string answer = dialogs.Input("Показать выписку по группе...", "Номер группы?", CurrentGroupNumber(model));
    if (answer.empty()) return;
    FindGroup(model, answer);
    screens.ShowScreen(ScreenId::kExtract);
}
