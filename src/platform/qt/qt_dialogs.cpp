#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

std::string QtDialogs::Input(const std::string& caption, const std::string& prompt, const std::string& def) {
    bool ok = false;
    QString answer = QInputDialog::getText(parent_, Q(caption), Q(prompt), QLineEdit::Normal, Q(def), &ok);
    return ok ? answer.toStdString() : def;
}

bool QtDialogs::Confirm(const std::string& caption, const std::string& question) {
    QMessageBox box(QMessageBox::Warning, Q(caption), Q(question), QMessageBox::Ok | QMessageBox::Cancel, parent_);
    return box.exec() == QMessageBox::Ok;
}

void QtDialogs::Message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::Error(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<Colour> QtDialogs::ChooseColour(Colour initial) {
    QColor c = QColorDialog::getColor(QColor::fromRgb(initial), parent_);
    if (!c.isValid()) return std::nullopt;
    return static_cast<Colour>(c.rgb() & 0xFFFFFF);
}
