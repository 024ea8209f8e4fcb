#include "window_driver.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

void failMissingControl(QWidget* window, const char* className, const QString& name, const std::source_location& at) {
    const QString message =
        QStringLiteral("no %1 named %2 in %3").arg(QLatin1String(className), name, window->objectName());
    QTest::qFail(qPrintable(message), at.file_name(), static_cast<int>(at.line()));
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

void flushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
