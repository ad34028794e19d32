// Written-work rules ("pismen.set"): disciplines whose hours earn a surcharge of
// 10, 15 or 20 % for checking written work.
#pragma once
#include <string>

struct Model;

inline constexpr int kMaxWrittenWorkRules = 50;

struct WrittenWorkRule {
    std::string pattern;
    int match = 1;  // 1 equal to the pattern, 2 begins with it
    int percent = 0;
};

void LoadWrittenWorkRules(Model& model);
bool RuleMatches(const WrittenWorkRule& rule, const std::string& discipline);
