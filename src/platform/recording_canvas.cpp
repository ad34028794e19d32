#include "platform/recording_canvas.h"

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Colour colour) {
    calls.push_back({Call::Fill, left, top, right, bottom, "", {}, colour});
}
void RecordingCanvas::Text(int x, int y, const std::string& text, const CanvasFont& font, Colour colour) {
    calls.push_back({Call::Text, x, y, 0, 0, text, font, colour});
}
void RecordingCanvas::Line(int x1, int y1, int x2, int y2, Colour colour) {
    calls.push_back({Call::Line, x1, y1, x2, y2, "", {}, colour});
}
void RecordingCanvas::FilledCircle(int left, int top, int diameter, Colour colour) {
    calls.push_back({Call::Circle, left, top, diameter, 0, "", {}, colour});
}

std::vector<RecordingCanvas::Call> RecordingCanvas::TextsEqual(const std::string& text) const {
    std::vector<Call> found;
    for (const Call& c : calls)
        if (c.kind == Call::Text && c.text == text) found.push_back(c);
    return found;
}

int RecordingCanvas::IndexOfText(const std::string& text) const {
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == Call::Text && calls[i].text == text) return static_cast<int>(i);
    return -1;
}
