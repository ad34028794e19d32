// The application object of the program: an error that escapes an event handler
// is shown in the error box instead of ending the program (and losing the session).
#pragma once
#include <QApplication>

class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
