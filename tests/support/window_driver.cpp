#include "window_driver.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWindow>

void failMissingControl(QWidget* window, const char* className, const QString& name, const std::source_location& at) {
    const QString message =
        QStringLiteral("no %1 named %2 in %3").arg(QLatin1String(className), name, window->objectName());
    QTest::qFail(qPrintable(message), at.file_name(), static_cast<int>(at.line()));
}

void choose(QWidget* window, const QString& name, const QString& text, const std::source_location& at) {
    QComboBox* box = control<QComboBox>(window, name, at);
    const int index = text.isEmpty() ? -1 : box->findText(text);
    if (index < 0 && !text.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("%1 has no entry %2").arg(name, text)), at.file_name(),
                     static_cast<int>(at.line()));
    box->setCurrentIndex(index);
}

QStringList entries(QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QStringList entries(QComboBox* combo) {
    QStringList all;
    for (int i = 0; i < combo->count(); ++i)
        all << combo->itemText(i);
    return all;
}

void pressAccessibly(QWidget* control, const QString& action) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY2(accessible && accessible->actionInterface(), qPrintable(control->objectName()));
    if (control->isEnabled())
        QVERIFY2(accessible->actionInterface()->actionNames().contains(action), qPrintable(action));
    accessible->actionInterface()->doAction(action);
}

bool closeFromTitleBar(QWidget* window) {
    QCloseEvent request;
    QCoreApplication::sendEvent(window->windowHandle(), &request);
    return request.isAccepted();
}

void flushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
