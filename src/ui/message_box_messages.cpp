#include "ui/message_box_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon toBoxIcon(Messages::Icon icon) {
    switch (icon) {
    case Messages::Icon::Information:
        return QMessageBox::Information;
    case Messages::Icon::Exclamation:
        return QMessageBox::Warning;
    case Messages::Icon::Critical:
        return QMessageBox::Critical;
    case Messages::Icon::Question:
        return QMessageBox::Question;
    case Messages::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void MessageBoxMessages::notice(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(toBoxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool MessageBoxMessages::ask(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(toBoxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
