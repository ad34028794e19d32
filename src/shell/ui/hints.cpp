#include "shell/ui/hints.h"

#include <QVariant>

#include "platform/qt/qt_dialogs.h"

namespace {
const char* const kHintProperty = "urokosetHint";
bool hintsOn = true;
}  // namespace

void SetHint(QWidget* widget, const std::string& hint) {
    widget->setProperty(kHintProperty, Q(hint));
    widget->setToolTip(hintsOn ? Q(hint) : QString());
}

void ApplyHints(QWidget* root, bool on) {
    hintsOn = on;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QVariant hint = w->property(kHintProperty);
        if (hint.isValid()) w->setToolTip(on ? hint.toString() : QString());
    }
}

bool HintsShown() { return hintsOn; }

QString HintOf(const QWidget* widget) { return widget->property(kHintProperty).toString(); }
