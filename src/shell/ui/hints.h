// Hints: the tooltips of every screen, switched on and off together by the
// "Подсказки" item. A widget gets its hint through SetHint so that it obeys the switch.
#pragma once
#include <QWidget>
#include <string>

void SetHint(QWidget* widget, const std::string& hint);
// Shows or hides the hint of every widget under `root` and of those given hints later.
void ApplyHints(QWidget* root, bool on);
bool HintsShown();
// The hint a widget carries, shown or not.
QString HintOf(const QWidget* widget);
