#pragma once

#include "ui/messages.h"

#include <QList>
#include <QStringList>

// The Messages fake: each message the program shows must match the next expected one
// (kind, title, text, icon); questions are answered from the script. Anything unexpected,
// and anything left over, is a failure that verify() reports.
class ScriptedMessages : public Messages {
public:
    ScriptedMessages& expectNotice(const QString& title, const QString& text, Icon icon = Icon::None);
    ScriptedMessages& expectQuestion(const QString& title, const QString& text, bool answerYes,
                                     Icon icon = Icon::Exclamation);
    // Shorthands for the program's usual boxes.
    ScriptedMessages& expectAppNotice(const QString& text) { return expectNotice(appTitle(), text); }
    ScriptedMessages& expectConfirm(const QString& text, bool answerYes) {
        return expectQuestion(confirmTitle(), text, answerYes);
    }

    void notice(const QString& title, const QString& text, Icon icon) override;
    bool ask(const QString& title, const QString& text, Icon icon) override;

    // Empty when every expected message came, in order, and nothing else did.
    QString problems() const;
    // Everything shown so far, as "title | text" lines.
    QStringList shown() const { return m_shown; }
    void reset();

private:
    struct Expected {
        bool question;
        QString title;
        QString text;
        Icon icon;
        bool answer;
    };
    bool take(bool question, const QString& title, const QString& text, Icon icon);

    QList<Expected> m_expected;
    QStringList m_problems;
    QStringList m_shown;
};

// Fails the current test when the script was not followed exactly.
#define VERIFY_MESSAGES(messages)                                                                                      \
    do {                                                                                                               \
        const QString problems_ = (messages).problems();                                                               \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_));                                                          \
    } while (false)
