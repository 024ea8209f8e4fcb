#include "scripted_messages.h"

ScriptedMessages& ScriptedMessages::expectNotice(const QString& title, const QString& text, Icon icon) {
    m_expected.append({false, title, text, icon, false});
    return *this;
}

ScriptedMessages& ScriptedMessages::expectQuestion(const QString& title, const QString& text, bool answerYes,
                                                   Icon icon) {
    m_expected.append({true, title, text, icon, answerYes});
    return *this;
}

bool ScriptedMessages::take(bool question, const QString& title, const QString& text, Icon icon) {
    const QString kind = question ? QStringLiteral("question") : QStringLiteral("notice");
    m_shown << title + QStringLiteral(" | ") + text;
    if (m_expected.isEmpty()) {
        m_problems << QStringLiteral("unexpected %1: [%2] %3").arg(kind, title, text);
        return false;
    }
    const Expected next = m_expected.takeFirst();
    if (next.question != question || next.title != title || next.text != text || next.icon != icon) {
        m_problems << QStringLiteral("expected %1 [%2] %3 (icon %4)\n     got %5 [%6] %7 (icon %8)")
                          .arg(next.question ? QStringLiteral("question") : QStringLiteral("notice"), next.title,
                               next.text)
                          .arg(static_cast<int>(next.icon))
                          .arg(kind, title, text)
                          .arg(static_cast<int>(icon));
        return false;
    }
    return next.answer;
}

void ScriptedMessages::notice(const QString& title, const QString& text, Icon icon) { take(false, title, text, icon); }

bool ScriptedMessages::ask(const QString& title, const QString& text, Icon icon) {
    return take(true, title, text, icon);
}

QString ScriptedMessages::problems() const {
    QStringList all = m_problems;
    for (const Expected& left : m_expected)
        all << QStringLiteral("expected but not shown: [%1] %2").arg(left.title, left.text);
    return all.join(u'\n');
}

void ScriptedMessages::reset() {
    m_expected.clear();
    m_problems.clear();
    m_shown.clear();
}
