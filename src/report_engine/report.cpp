#include "report_engine/report.h"

#include <QImageReader>
#include <algorithm>

Report::Report(QString name) : m_name(std::move(name)), m_title(m_name) {}

ReportSection& Report::addSection(const QString& name, ReportSection::Kind kind, int height, int level) {
    ReportSection section;
    section.name = name;
    section.kind = kind;
    section.height = height;
    section.level = level;
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

ReportSection* Report::section(const QString& name) {
    for (ReportSection& s : m_sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const ReportSection* Report::section(const QString& name) const { return const_cast<Report*>(this)->section(name); }

const ReportSection* Report::sectionOf(ReportSection::Kind kind, int level) const {
    const bool levelled = kind == ReportSection::Kind::GroupHeader || kind == ReportSection::Kind::GroupFooter;
    for (const ReportSection& s : m_sections)
        if (s.kind == kind && (!levelled || s.level == level) && s.visible)
            return &s;
    return nullptr;
}

int Report::groupLevels() const {
    int levels = 0;
    for (const ReportSection& s : m_sections)
        if (s.kind == ReportSection::Kind::GroupHeader || s.kind == ReportSection::Kind::GroupFooter)
            levels = std::max(levels, s.level + 1);
    return levels;
}

ReportControl* Report::control(const QString& sectionName, const QString& controlName) {
    ReportSection* s = section(sectionName);
    return s ? s->control(controlName) : nullptr;
}

bool Report::setCaption(const QString& sectionName, const QString& controlName, const QString& caption) {
    ReportControl* c = control(sectionName, controlName);
    if (!c || c->kind != ReportControl::Kind::Label)
        return false;
    c->caption = caption;
    return true;
}

bool Report::setPicture(const QString& sectionName, const QString& controlName, const QString& filePath) {
    ReportControl* c = control(sectionName, controlName);
    if (!c || c->kind != ReportControl::Kind::Image)
        return false;
    QImageReader reader(filePath);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    c->image = image;
    return true;
}

bool Report::setVisible(const QString& sectionName, const QString& controlName, bool visible) {
    ReportControl* c = control(sectionName, controlName);
    if (!c)
        return false;
    c->visible = visible;
    return true;
}

QList<ReportColumn> Report::columns() const {
    QList<ReportColumn> columns;
    for (const ReportSection& s : m_sections)
        for (const ReportControl& c : s.controls)
            if (s.visible && c.visible && c.kind == ReportControl::Kind::Field && !c.tableHeading.isEmpty())
                columns.append({c.tableHeading, c.field, c.tablePicture});
    return columns;
}
