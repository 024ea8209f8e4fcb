#pragma once

#include "page_texts.h"
#include "pdf_text.h"
#include "seed.h"
#include "window_driver.h"

#include "reports/frm_report_preview.h"

// Riders for the sheet tests, and the pages a sheet window shows.
namespace SheetSeed {

// A rider named after the number ("First20 Last20"), entered in the given classes.
inline qint32 rider(const MeetFixture& meet, qint32 teamCode, const QString& number, const QList<int>& classes = {}) {
    const qint32 index = Seed::rider(meet, teamCode, "First" + number, "Last" + number, number);
    for (int c : classes)
        Seed::entry(meet, index, c);
    return index;
}

// The pages of the preview a sheet window shows; null when it shows none.
inline const LaidOutReport* previewPages(QWidget* reportWindow) {
    auto* preview = qobject_cast<FrmReportPreview*>(reportWindow);
    return preview ? &preview->pages() : nullptr;
}

} // namespace SheetSeed
