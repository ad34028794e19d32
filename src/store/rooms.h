// Rooms, their notes, print names, room sets and the room layouts of the screens.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "store/departments.h"
#include "store/table.h"

inline constexpr int kMaxRooms = 100;
inline constexpr int kMaxRoomSets = 10;
inline constexpr int kMaxRoomsPerSet = 10;

// Two notes per day and lesson; "-" means no note. Indexed [day 1..6][lesson 1..14].
struct RoomNotes {
    std::array<std::array<std::string, kLessons + 1>, kDays + 1> note1{};
    std::array<std::array<std::string, kLessons + 1>, kDays + 1> note2{};
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
