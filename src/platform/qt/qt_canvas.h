// The canvas over a QPainter: the screen, a print preview or a PDF page.
#pragma once
#include <QPainter>

#include "platform/canvas.h"

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : p_(painter) {}
    void FillRect(int left, int top, int right, int bottom, Colour colour) override;
    void Text(int x, int y, const std::string& text, const CanvasFont& font, Colour colour) override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;
    void FilledCircle(int left, int top, int diameter, Colour colour) override;

private:
    QPainter& p_;
};
