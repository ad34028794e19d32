// Cells of the room list and the group list screens. Row 0 is the heading row.
#pragma once
#include <string>

#include "platform/cell.h"
#include "base/textutil.h"

struct Model;

struct ListColumn {
    const char* heading;
    int width;
};
inline constexpr int kRoomListColumns = 5;
inline constexpr int kGroupListColumns = 9;
extern const ListColumn kRoomListColumn[kRoomListColumns];
extern const ListColumn kGroupListColumn[kGroupListColumns];

inline constexpr Colour kListHeadingColour = 0xD4D0C8;  // the grids' fixed heading row
inline constexpr Colour kListCellColour = 0xFFFBF0;
inline constexpr Colour kDutyGroupColour = 0x00FFFF;


// Rows in use: the heading and one row per room or group.
int RoomListRows(const Model& model);
int GroupListRows(const Model& model);
Cell RoomListCell(const Model& model, int row, int column);
Cell GroupListCell(const Model& model, int row, int column);
