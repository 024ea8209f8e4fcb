#pragma once

#include <QString>
#include <stdexcept>

// A statement the engine refused or could not run. Carries the engine's own text so
// the user sees what failed; windows catch it and report it through DbErrorReporter.
class DbException : public std::runtime_error {
public:
    explicit DbException(const QString& engineText);
    QString engineText() const { return m_engineText; }

private:
    QString m_engineText;
};
