#include "ui/guarded_application.h"

#include "ui/error_reporter.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    if (!m_messages)
        return QApplication::notify(receiver, event);
    bool handled = false;
    runReportingErrors(*m_messages, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
