#pragma once

#include "report_engine/report_pages.h"

#include <QStringList>

// The texts of a control over every page, in page order; without a control, every text of
// every page, each page top to bottom.
inline QStringList pageTexts(const LaidOutReport& laid, const QString& control = QString()) {
    QStringList all;
    for (const LaidOutPage& page : laid.pages)
        all << (control.isEmpty() ? page.allTexts() : page.texts(control));
    return all;
}
