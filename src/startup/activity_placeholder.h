#pragma once

#include <QStringList>
#include <QWidget>

// Stands in for an activity window that is not built yet: shows the activity's caption
// and records the calls the main window makes on it.
class ActivityPlaceholder : public QWidget {
    Q_OBJECT
public:
    ActivityPlaceholder(const QString& caption, QWidget* parent);

    QStringList calls() const { return m_calls; }

public slots:
    void Set_Division(const QString& RcvdDivision);
    void Load_Report();

private:
    QStringList m_calls;
};
