#pragma once

#include "report_engine/report_rows.h"
#include "report_engine/report_section.h"

#include <QList>
#include <deque>

// One column of a report read as a table (a CSV file, a web page): its heading, the row
// field it shows (a field of a group's rows or of the detail rows), and optionally the
// page header picture that heads it on a web page.
struct ReportColumn {
    QString heading;
    QString field;
    QString picture = {};
};

// A banded report: named sections holding named controls, the rows it prints, and whether
// closing its preview closes the activity that opened it. Reports come from the catalogue;
// callers set captions and pictures, hand it its rows and show it.
class Report {
public:
    // The wide-report value under which a report prints landscape at full width.
    static constexpr int WideLandscape = 2;

    explicit Report(QString name);

    const QString& name() const { return m_name; }
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    // Design: sections in printing order within their kind, and the width they are drawn for.
    ReportSection& addSection(const QString& name, ReportSection::Kind kind, int height, int level = 0);
    ReportSection* section(const QString& name);
    const ReportSection* section(const QString& name) const;
    const std::deque<ReportSection>& sections() const { return m_sections; }
    // The first visible section of a kind (and level), or null.
    const ReportSection* sectionOf(ReportSection::Kind kind, int level = 0) const;
    int groupLevels() const;
    int designWidth() const { return m_designWidth; }
    void setDesignWidth(int twips) { m_designWidth = twips; }

    // What callers do before showing. Each answers false when the section or control
    // does not exist (or, for a picture, the file cannot be read) and changes nothing then.
    bool setCaption(const QString& sectionName, const QString& controlName, const QString& caption);
    bool setPicture(const QString& sectionName, const QString& controlName, const QString& filePath);
    bool setVisible(const QString& sectionName, const QString& controlName, bool visible);

    // The report as a table: one column for each printed field that carries a table
    // heading, in the order of the sections and of their controls. Empty: the report does
    // not read as a table.
    QList<ReportColumn> columns() const;

    int wideReport() const { return m_wideReport; }
    void setWideReport(int value) { m_wideReport = value; }
    bool landscape() const { return m_wideReport == WideLandscape; }

    // The rows it prints, its own: the one way rows reach a report.
    void setDataSource(RowSet rows) { m_rows = std::move(rows); }
    const RowSet& rows() const { return m_rows; }

    // Closing the preview: the catalogue says whether the main window's current activity is
    // closed with it; the opening window may add its own step (returning to itself, for instance).
    bool closesActivity() const { return m_closesActivity; }
    void setClosesActivity(bool closes) { m_closesActivity = closes; }

private:
    ReportControl* control(const QString& sectionName, const QString& controlName);

    QString m_name;
    QString m_title;
    std::deque<ReportSection> m_sections; // a deque: sections stay where they are as more are added
    int m_designWidth = 0;
    int m_wideReport = 0;
    RowSet m_rows;
    bool m_closesActivity = false;
};
