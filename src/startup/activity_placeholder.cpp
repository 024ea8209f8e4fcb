#include "startup/activity_placeholder.h"

#include <QLabel>
#include <QVBoxLayout>

ActivityPlaceholder::ActivityPlaceholder(const QString& caption, QWidget* parent) : ActivityWindow(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(caption, this);
    title->setObjectName(QStringLiteral("LblFormTitle"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 16, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* note = new QLabel(tr("This activity is not available yet."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
    layout->addStretch();
    setAutoFillBackground(true);
}

void ActivityPlaceholder::Set_Division(const QString& RcvdDivision) {
    m_calls << QStringLiteral("Set_Division(%1)").arg(RcvdDivision);
}

void ActivityPlaceholder::Load_Report() { m_calls << QStringLiteral("Load_Report"); }
