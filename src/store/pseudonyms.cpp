#include "store/pseudonyms.h"

#include <algorithm>
#include <vector>

#include "shell/model.h"
#include "base/textfile.h"

std::string WithoutMarker(const std::string& d) {
    if (d.rfind("Ф. ", 0) == 0) return d.substr(std::string("Ф. ").size());
    if (d.rfind("Ф.", 0) == 0) return d.substr(std::string("Ф.").size());
    return d;
}

bool PseudonymNameLess(const std::string& a, const std::string& b) { return Cp1251CodesLess(a, b); }

namespace {

std::string PseudonymPath(const Model& model) { return model.config.listsFolder + "psevdon.set"; }

TextWriter PseudonymText(const Model& model) {
    TextWriter w;
    for (const Pseudonym& p : model.pseudonyms) w.Line(p.fullName).Line(p.groupForm).Line(p.subgroupForm).Separator();
    return w;
}

}  // namespace

void LoadPseudonyms(Model& model) {
    const std::string path = PseudonymPath(model);
    TextReader r = TextReader::Open(path);
    std::vector<Pseudonym> list;
    list.reserve(kMaxPseudonyms);
    while (!r.AtEnd()) {
        Pseudonym p;
        p.fullName = r.ReadLine();
        p.groupForm = r.ReadLine();
        p.subgroupForm = r.ReadLine();
        r.Skip();
        list.push_back(std::move(p));
    }
    CheckCount(static_cast<long>(list.size()), kMaxPseudonyms, path, "псевдонимы");
    // The list is kept in order of the full names; a file out of order is put in order here.
    auto less = [](const Pseudonym& a, const Pseudonym& b) { return PseudonymNameLess(a.fullName, b.fullName); };
    if (!std::is_sorted(list.begin(), list.end(), less)) std::stable_sort(list.begin(), list.end(), less);
    model.pseudonyms.clear();
    for (Pseudonym& p : list) model.pseudonyms.push_back(std::move(p));
}

std::string PseudonymFileBytes(const Model& model) { return PseudonymText(model).bytes(); }
void SavePseudonyms(const Model& model) { PseudonymText(model).Save(PseudonymPath(model)); }

int FindPseudonym(const Model& model, const std::string& discipline) {
    const std::string name = WithoutMarker(discipline);
    // Binary search for the first entry not below the name.
    int lo = 1, hi = model.pseudonyms.size() + 1;
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (PseudonymNameLess(model.pseudonyms[mid].fullName, name))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo <= model.pseudonyms.size() && model.pseudonyms[lo].fullName == name ? lo : 0;
}

std::string PrintForm(const Model& model, const std::string& discipline, int kind) {
    int p = FindPseudonym(model, discipline);
    if (p == 0) return WithoutMarker(discipline);
    return kind == 1 ? model.pseudonyms[p].groupForm : model.pseudonyms[p].subgroupForm;
}

bool SavePseudonym(Model& model, const std::string& discipline, const std::string& groupForm,
                   const std::string& subgroupForm) {
    if (groupForm.empty() || subgroupForm.empty()) return true;
    const std::string name = WithoutMarker(discipline);
    int p = FindPseudonym(model, name);
    if (p != 0) {
        model.pseudonyms[p].groupForm = groupForm;
        model.pseudonyms[p].subgroupForm = subgroupForm;
    } else {
        if (model.pseudonyms.full()) return false;
        const int count = model.pseudonyms.size();
        int at = count + 1;
        for (int a = 1; a <= count; ++a)
            if (PseudonymNameLess(name, model.pseudonyms[a].fullName)) {
                at = a;
                break;
            }
        model.pseudonyms.resize(count + 1);
        for (int k = count + 1; k > at; --k) model.pseudonyms[k] = model.pseudonyms[k - 1];
        model.pseudonyms[at] = Pseudonym{name, groupForm, subgroupForm};
    }
    SavePseudonyms(model);
    return true;
}
