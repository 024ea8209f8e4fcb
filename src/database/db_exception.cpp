#include "database/db_exception.h"

DbException::DbException(const QString& engineText)
    : std::runtime_error(engineText.toStdString()), m_engineText(engineText) {}
