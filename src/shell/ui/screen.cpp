#include "shell/ui/screen.h"

Screen::Screen(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    setFixedSize(kScreenWidth, kScreenHeight);
}
