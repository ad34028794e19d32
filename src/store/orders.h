// The five orders lists of the tarification orders: people and hours that the
// extracts do not hold (administration, music teachers, concertmasters, extras).
#pragma once
#include <array>
#include <string>

#include "base/table.h"

inline constexpr int kOrdersLists = 5;
inline constexpr int kMaxOrdersEntries = 70;
// File names of lists 1..5 (index 0 empty), in the departments folder.
extern const char* const kOrdersListFiles[kOrdersLists + 1];

struct OrdersEntry {
    std::string surname;
    std::string initials;
    std::string nameAndPatronymic;
    double teachingHours = 0;
    double concertHours = 0;
};

struct OrdersList {
    std::string listTitle;
    Table<OrdersEntry, kMaxOrdersEntries> entries;
};

struct Model;

std::string OrdersListPath(const Model& model, int list);
// Reads all five lists; each must exist.
void LoadOrdersLists(Model& model);
void SaveOrdersList(const Model& model, int list);
