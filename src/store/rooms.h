// Rooms, their notes, print names, room sets and the room layouts of the screens.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "store/departments.h"
#include "base/table.h"

inline constexpr int kMaxRooms = 100;
inline constexpr int kMaxRoomSets = 10;
inline constexpr int kMaxRoomsPerSet = 10;

// Two notes per day and lesson; "-" means no note. Indexed [day 1..6][lesson 1..14].
// A room's note at every day and lesson; "-" is none, which every note starts as.
using RoomNoteWeek = std::array<std::array<std::string, kLessons + 1>, kDays + 1>;

namespace room_notes {
// Every note made as "-" at once, rather than made empty and then set.
template <size_t... Lesson>
std::array<std::string, sizeof...(Lesson)> NoNotesDay(std::index_sequence<Lesson...>) {
    return {{((void)Lesson, std::string("-"))...}};
}
template <size_t... Day>
RoomNoteWeek NoNotesWeek(std::index_sequence<Day...>) {
    return {{((void)Day, NoNotesDay(std::make_index_sequence<kLessons + 1>()))...}};
}
}  // namespace room_notes

struct RoomNotes {
    RoomNoteWeek note1 = room_notes::NoNotesWeek(std::make_index_sequence<kDays + 1>());
    RoomNoteWeek note2 = room_notes::NoNotesWeek(std::make_index_sequence<kDays + 1>());
};

struct Room {
    std::string number;
    std::string name;
    std::string keeper;
    std::string location;
    int small = 0;  // 1 = too small for a whole group
    RoomNotes notes;  // every room has its notes storage
};

struct RoomPrintName {
    std::string number;
    std::string text;
};

struct RoomSet {
    std::string name;
    std::vector<std::string> rooms;  // at most kMaxRoomsPerSet
};

struct RoomLayoutPart {
    int captionShown = 0;
    std::string caption;
    int captionTop = 0, captionLeft = 0, captionHeight = 0, captionWidth = 0;
    int gridShown = 0;
    int gridTop = 0, gridLeft = 0, gridHeight = 0, gridWidth = 0;
    int roomCount = 0;
    int columnWidth = 0;
    int firstRoom = 1;  // derived: consecutive runs of the room list
};

struct RoomLayout {
    std::vector<int> head;             // two or four positions of the screen's controls
    std::vector<RoomLayoutPart> parts; // at most the parts the screen has
};

struct Model;
struct AppConfig;

// "auditor.set", "pecataud.set", then every room's notes (files created when missing).
void LoadRooms(Model& model);
// "kabinety.set" (start-up step 5).
void LoadRoomSets(Model& model);
std::string RoomNotesPath(const Model& model, int room);
void SaveRoomNotes(const Model& model, int room);
// Written by the demo; the program itself never changes these lists.
void SaveRooms(const Model& model);
void SaveRoomPrintNames(const Model& model);
void SaveRoomSets(const Model& model);

// The "Кабинеты..." items 1..3 of the "Анализ" menu: a set's name, enabled, or the design caption, disabled.
struct RoomSetItem {
    std::string caption;
    bool enabled = false;
};
RoomSetItem RoomSetMenuItem(const Model& model, int item);

// The three layout files and the shape of their heads.
inline constexpr const char* kCompositionLayout = "audrasp.ini";     // group composition room picker, 6 parts
inline constexpr const char* kSpecialisationLayout = "audspec.ini";  // specialisation room picker, 5 parts
inline constexpr const char* kNowLayout = "audsei.ini";              // "now" screen, 6 parts
int RoomLayoutMaxParts(const std::string& file);
// Reads a layout file of the rooms folder; a missing one gives its defaults (no parts).
// Parts beyond the screen's are not kept; firstRoom is derived.
RoomLayout LoadRoomLayout(const Model& model, const std::string& file);
void SaveRoomLayout(const Model& model, const std::string& file, const RoomLayout& layout);
// Recomputes firstRoom: part 1 starts at room 1, each next one after the previous run.
void NumberLayoutParts(RoomLayout& layout);

// Lookups, last match in list order.
bool FindRoom(Model& model, const std::string& number);  // current room; kept without a match
std::string PrintNameOf(const Model& model, const std::string& number);
