#include "report_engine/report_builder.h"

#include <stdexcept>

SectionBuilder& SectionBuilder::add(ReportControl::Kind kind, const QString& name, QRect rect) {
    ReportControl control;
    control.kind = kind;
    control.name = name;
    control.rect = rect;
    m_section.controls.push_back(std::move(control));
    return *this;
}

ReportControl& SectionBuilder::addText(ReportControl::Kind kind, const QString& name, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    add(kind, name, rect);
    ReportControl& c = m_section.controls.back();
    c.font = font;
    c.alignment = alignment;
    return c;
}

SectionBuilder& SectionBuilder::label(const QString& name, const QString& caption, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    addText(ReportControl::Kind::Label, name, rect, font, alignment).caption = caption;
    return *this;
}

SectionBuilder& SectionBuilder::field(const QString& name, const QString& field, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    addText(ReportControl::Kind::Field, name, rect, font, alignment).field = field;
    return *this;
}

SectionBuilder& SectionBuilder::sum(const QString& name, const QString& field, QRect rect, ReportFont font,
                                    Qt::Alignment alignment) {
    addText(ReportControl::Kind::Sum, name, rect, font, alignment).field = field;
    return *this;
}

SectionBuilder& SectionBuilder::count(const QString& name, const QString& field, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    addText(ReportControl::Kind::Count, name, rect, font, alignment).field = field;
    return *this;
}

SectionBuilder& SectionBuilder::image(const QString& name, QRect rect) { return add(ReportControl::Kind::Image, name, rect); }

SectionBuilder& SectionBuilder::line(const QString& name, QRect rect, int width) {
    add(ReportControl::Kind::Line, name, rect);
    m_section.controls.back().lineWidth = width;
    return *this;
}

SectionBuilder& SectionBuilder::box(const QString& name, QRect rect, int width) {
    add(ReportControl::Kind::Box, name, rect);
    m_section.controls.back().lineWidth = width;
    return *this;
}

SectionBuilder& SectionBuilder::pageNumbers(int width, int top) {
    return label(QStringLiteral("LblPage"), QStringLiteral("Page %p of %P"), QRect(width - 3000, top, 3000, 260),
                 ReportFont::plain(9), Qt::AlignRight | Qt::AlignVCenter);
}

SectionBuilder& SectionBuilder::hidden() {
    m_section.controls.back().visible = false;
    return *this;
}

SectionBuilder& SectionBuilder::growing() {
    m_section.controls.back().canGrow = true;
    return *this;
}

SectionBuilder& SectionBuilder::tableColumn(const QString& heading, const QString& picture) {
    ReportControl& c = m_section.controls.back();
    if (c.kind != ReportControl::Kind::Field)
        throw std::logic_error("only a field fills a table column");
    c.tableHeading = heading;
    c.tablePicture = picture;
    return *this;
}

SectionBuilder& SectionBuilder::continuedMark() {
    m_section.continuedControl = m_section.controls.back().name;
    return *this;
}
