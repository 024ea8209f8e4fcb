#pragma once

#include "report_engine/report_section.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

// One thing placed on a page, positioned in twips from the page's top left corner.
struct PlacedItem {
    enum class Kind { Text, Image, Line, Box };

    Kind kind = Kind::Text;
    QRect rect;
    QString text;
    QImage image;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int lineWidth = 15;
    QString section; // the section and control it came from
    QString control;
};

struct LaidOutPage {
    std::vector<PlacedItem> items;

    // Texts of the items from a control, in placing order.
    QStringList texts(const QString& control) const;
    // Every text of the page, top to bottom, left to right within a line.
    QStringList allTexts() const;
    int count(const QString& section, const QString& control = QString()) const;
    const PlacedItem* first(const QString& control) const;
};

// A report laid out for printing: page size and orientation, and its pages.
struct LaidOutReport {
    QString title;
    QSize pageSize; // twips
    bool landscape = false;
    std::vector<LaidOutPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }

    // Puts the pages of `part` after these, so several reports print as one (each starts
    // on a page of its own). Parts share one paper: a part laid out on another page size or
    // orientation is refused with std::invalid_argument.
    void append(const LaidOutReport& part);
};
