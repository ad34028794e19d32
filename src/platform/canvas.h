// A small drawing surface for pictures (the large day view, printed pages):
// the same drawing code paints the screen, a print page or a test recording.
#pragma once
#include <string>

#include "base/textutil.h"

struct CanvasFont {
    std::string name = "Arial";
    int size = 10;
    bool bold = false;
    bool operator==(const CanvasFont&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // The rectangle from (left, top) to (right, bottom), both edges included.
    virtual void FillRect(int left, int top, int right, int bottom, Colour colour) = 0;
    // Text whose top-left corner is at (x, y).
    virtual void Text(int x, int y, const std::string& text, const CanvasFont& font, Colour colour) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, Colour colour) = 0;
    // A filled circle inside the square from (left, top) with the given diameter.
    virtual void FilledCircle(int left, int top, int diameter, Colour colour) = 0;
};
