#include "store/written_work.h"

#include "shell/model.h"
#include "base/textfile.h"

void LoadWrittenWorkRules(Model& model) {
    const std::string path = model.config.listsFolder + "pismen.set";
    TextReader r = TextReader::Open(path);
    r.Skip();  // title
    long n = r.ReadInt();
    CheckCount(n, kMaxWrittenWorkRules, path, "правила письменных работ");
    model.writtenWorkRules.clear();
    for (long k = 1; k <= n; ++k) {
        WrittenWorkRule rule;
        rule.pattern = r.ReadLine();
        rule.match = static_cast<int>(r.ReadInt());
        rule.percent = static_cast<int>(r.ReadInt());
        model.writtenWorkRules.push_back(rule);
    }
}

bool RuleMatches(const WrittenWorkRule& rule, const std::string& discipline) {
    if (rule.percent != 10 && rule.percent != 15 && rule.percent != 20) return false;
    if (rule.match == 1) return discipline == rule.pattern;
    if (rule.match == 2) return discipline.compare(0, rule.pattern.size(), rule.pattern) == 0;
    return false;
}
