#pragma once

#include <QString>

// The answer of an action that may be refused: done, or refused with the words that say why,
// ready to show to the secretary. Core code answers it and never shows anything; the window
// or command that asked shows why(). Engine failures stay DbException, a fault of the
// program stays an exception; a refusal is neither.
class [[nodiscard]] Refusal {
public:
    Refusal() = default; // done
    static Refusal because(QString why) { return Refusal(std::move(why)); }

    bool refused() const { return !m_why.isEmpty(); }
    explicit operator bool() const { return refused(); }
    const QString& why() const { return m_why; }

private:
    explicit Refusal(QString why) : m_why(std::move(why)) {}
    QString m_why;
};
