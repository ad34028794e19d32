#include "platform/qt/guarded_application.h"

#include <QMessageBox>

#include "base/textfile.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const FileError& e) {
        message = QString::fromStdString(e.Describe());
    } catch (const std::exception& e) {
        message = QString::fromStdString(e.what());
    }
    QMessageBox::critical(activeWindow(), applicationName(), message);
    return false;
}
