// What a cell function returns for one grid cell; screens only paint it.
#pragma once
#include <string>

#include "base/textutil.h"

struct Cell {
    std::string text;
    std::string font = "Arial";
    int size = 10;
    bool bold = false;
    bool italic = false;
    Colour colour = 0x000000;      // text
    Colour background = 0xFFFFFF;
    int left = 2;                   // text offset from the cell's left edge, pixels
    int top = -1;                   // text offset from the top; -1 centres vertically
};
