// Dialogs shown with Qt's standard boxes.
#pragma once
#include <QColor>
#include <QWidget>

#include "platform/dialogs.h"

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::string Input(const std::string& caption, const std::string& prompt, const std::string& def) override;
    bool Confirm(const std::string& caption, const std::string& question) override;
    void Message(const std::string& text) override;
    void Error(const std::string& text) override;
    std::optional<Colour> ChooseColour(Colour initial) override;

private:
    QWidget* parent_;
};

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline QColor ToQ(Colour c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
