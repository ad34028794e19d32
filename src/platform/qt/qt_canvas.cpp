#include "platform/qt/qt_canvas.h"

#include "platform/qt/qt_dialogs.h"

#include <QFontMetrics>

void QtCanvas::FillRect(int left, int top, int right, int bottom, Colour colour) {
    p_.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), ToQ(colour));
}

void QtCanvas::Text(int x, int y, const std::string& text, const CanvasFont& font, Colour colour) {
    QFont f(QString::fromStdString(font.name));
    f.setPointSize(font.size);
    f.setBold(font.bold);
    p_.setFont(f);
    p_.setPen(ToQ(colour));
    // The position is the text's top-left corner; QPainter writes on the baseline.
    p_.drawText(QPoint(x, y + QFontMetrics(f).ascent()), QString::fromStdString(text));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2, Colour colour) {
    p_.setPen(ToQ(colour));
    p_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::FilledCircle(int left, int top, int diameter, Colour colour) {
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(ToQ(colour));
    p_.drawEllipse(QRect(left, top, diameter, diameter));
    p_.restore();
}
