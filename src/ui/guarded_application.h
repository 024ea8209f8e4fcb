#pragma once

#include <QApplication>

class Messages;

// The program's application object: an exception that escapes an event handler is
// reported to the user and the program keeps running.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    void setMessages(Messages* messages) { m_messages = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Messages* m_messages = nullptr;
};
