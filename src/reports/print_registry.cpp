#include "reports/print_registry.h"


void PrintRegistry::add(Entry entry) { m_entries << std::move(entry); }

const PrintRegistry::Entry* PrintRegistry::find(const QString& name) const {
    for (const Entry& entry : m_entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

QStringList PrintRegistry::names() const {
    QStringList result;
    for (const Entry& entry : m_entries)
        result << entry.name;
    return result;
}
