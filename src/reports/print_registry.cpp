#include "reports/print_registry.h"

#include "registration/registration_reports.h"

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

// Each report window that can print without a window adds its REPORT name here, with the
// same preparing function its window uses: coach-list, rider-list, class-sheet,
// slot-sheets, judging-agenda, judges-cards, standings, rider-results.
PrintRegistry PrintRegistry::standard() {
    PrintRegistry registry;
    registry.add({QStringLiteral("coach-list"), 0, 0, RegistrationReports::prepareCoachList});
    registry.add({QStringLiteral("rider-list"), 0, 0, RegistrationReports::prepareRiderList});
    return registry;
}
