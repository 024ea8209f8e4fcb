#include "reports/report_builder.h"

SectionBuilder& SectionBuilder::add(ReportControl::Kind kind, const QString& name, QRect rect) {
    ReportControl control;
    control.kind = kind;
    control.name = name;
    control.rect = rect;
    m_section.controls.push_back(std::move(control));
    return *this;
}

SectionBuilder& SectionBuilder::label(const QString& name, const QString& caption, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    add(ReportControl::Kind::Label, name, rect);
    ReportControl& c = m_section.controls.back();
    c.caption = caption;
    c.font = font;
    c.alignment = alignment;
    return *this;
}

SectionBuilder& SectionBuilder::field(const QString& name, const QString& field, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    add(ReportControl::Kind::Field, name, rect);
    ReportControl& c = m_section.controls.back();
    c.field = field;
    c.font = font;
    c.alignment = alignment;
    return *this;
}

SectionBuilder& SectionBuilder::sum(const QString& name, const QString& field, QRect rect, ReportFont font,
                                    Qt::Alignment alignment) {
    this->field(name, field, rect, font, alignment);
    m_section.controls.back().kind = ReportControl::Kind::Sum;
    return *this;
}

SectionBuilder& SectionBuilder::count(const QString& name, const QString& field, QRect rect, ReportFont font,
                                      Qt::Alignment alignment) {
    this->field(name, field, rect, font, alignment);
    m_section.controls.back().kind = ReportControl::Kind::Count;
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
