#pragma once

#include "ui/activity_window.h"

#include <QStringList>

// Stands in for an activity window that is not built yet: shows the activity's caption
// and records the calls the main window makes on it.
class ActivityPlaceholder : public ActivityWindow {
    Q_OBJECT
public:
    ActivityPlaceholder(const QString& caption, QWidget* parent);

    QStringList calls() const { return m_calls; }

    void Set_Division(const QString& RcvdDivision) override;
    void Load_Report() override;

private:
    QStringList m_calls;
};
