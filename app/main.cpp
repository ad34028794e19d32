// Урокосет: started in the working folder that holds "urk-jer.ini".
#include "platform/qt/guarded_application.h"
#include <clocale>

#include "platform/qt/qt_dialogs.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "base/textfile.h"

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName("Урокосет");
    // Reals in files use the user's decimal separator; the program's own number
    // conversions stay in the C locale.
    SetDecimalSeparator(DecimalSeparatorFromLocale());
    std::setlocale(LC_NUMERIC, "C");

    auto model = std::make_unique<Model>();
    QtDialogs dialogs;
    SystemClock clock;
    MainWindow window(*model, dialogs, clock);
    dialogs.SetParent(&window);
    AddAllScreens(window);
    window.show();
    // A failed start-up has shown its error; the program offers nothing on a
    // half-loaded model and closes.
    if (!window.Start(".")) return 1;
    return app.exec();
}
