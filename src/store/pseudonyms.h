// Print abbreviations of discipline names ("psevdon.set"): a form for whole-group
// cells and one for subgroup cells, the list kept sorted by the full name.
#pragma once
#include <string>

struct Model;

inline constexpr int kMaxPseudonyms = 400;
inline constexpr int kGroupCellChars = 28;
inline constexpr int kSubgroupCellChars = 11;

struct Pseudonym {
    std::string fullName;  // without the marker prefix
    std::string groupForm;
    std::string subgroupForm;
};

// "Ф. " or else "Ф." at the start of a name is removed.
std::string WithoutMarker(const std::string& discipline);
// Ordinal order of full names: by Windows-1251 codes.
bool PseudonymNameLess(const std::string& a, const std::string& b);

void LoadPseudonyms(Model& model);  // read to the end of the file
void SavePseudonyms(const Model& model);
std::string PseudonymFileBytes(const Model& model);

// Position of the pseudonym of the name (marker removed first), 0 when none.
int FindPseudonym(const Model& model, const std::string& discipline);
// The print form for a whole-group (kind 1) or subgroup (kind 2) cell, not cut.
std::string PrintForm(const Model& model, const std::string& discipline, int kind);
// Replaces the forms of the name's pseudonym or inserts a new one in order, then
// writes the file. Nothing happens when a form is empty; false when the list is full.
bool SavePseudonym(Model& model, const std::string& discipline, const std::string& groupForm,
                   const std::string& subgroupForm);
