// Creates every screen of the program and registers it with the main window.
#pragma once
class MainWindow;
void AddAllScreens(MainWindow& window);
