// A canvas that records every call, for tests of drawing code.
#pragma once
#include <string>
#include <vector>

#include "platform/canvas.h"

class RecordingCanvas : public Canvas {
public:
    struct Call {
        enum Kind { Fill, Text, Line, Circle } kind;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circle: left, top, diameter, 0
        std::string text;
        CanvasFont font;
        Colour colour = 0;
    };

    void FillRect(int left, int top, int right, int bottom, Colour colour) override;
    void Text(int x, int y, const std::string& text, const CanvasFont& font, Colour colour) override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;
    void FilledCircle(int left, int top, int diameter, Colour colour) override;

    // The text calls whose text equals `text`, in order.
    std::vector<Call> TextsEqual(const std::string& text) const;
    // Index of the first text call with `text`, -1 when none.
    int IndexOfText(const std::string& text) const;

    std::vector<Call> calls;
};
