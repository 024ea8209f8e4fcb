#include "ui/check_box_grid.h"

#include "ui/partner_box.h"
#include "ui/twips.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <cmath>

namespace {
constexpr int ColumnLeft = 2760;      // first title picture, and the boxes under it
constexpr int LineLeft = 2635;        // first vertical grid line
constexpr int CaptionLeft = 360;
constexpr int CaptionWidth = 2175;
constexpr int CellSize = 375;
constexpr int TitleTop = 100;
constexpr int TitleHeight = 1575;
constexpr int NumberTop = 1785;
constexpr int RuleTop = 1750;
constexpr int BarThickness = 255;
constexpr int PartnerWidth = 735;
constexpr int PartnerHeight = 375;
constexpr int GridButtonWidth = 1815;
constexpr int GridButtonHeight = 495;

// Rounded to the nearest whole number, halves to the even neighbour.
int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// A disabled, unticked box of a full class stands out on a shaded cell; every other box
// is flat. A palette, not a style sheet: a full column of a long grid changes at once, and
// parsing a style sheet per box made loading a fully judged division three times slower.
void setRaised(QCheckBox* box, bool raised) {
    if (box->property("raised").toBool() == raised)
        return;
    box->setProperty("raised", raised);
    box->setAutoFillBackground(raised);
    if (raised) {
        QPalette shaded = box->palette();
        shaded.setColor(box->backgroundRole(), QColor(0xb8, 0xb8, 0xb8));
        box->setPalette(shaded);
    } else {
        box->setPalette(QPalette());
    }
}
} // namespace

CheckBoxGrid::CheckBoxGrid(QWidget* window, Shape shape) : QObject(window), m_window(window), m_shape(std::move(shape)) {}

void CheckBoxGrid::build(int widthTwips, int heightTwips, const QList<QPixmap>& titles,
                         const QStringList& rowCaptions) {
    m_widthTwips = widthTwips;
    m_heightTwips = heightTwips;
    m_rows.resize(static_cast<size_t>(rowCaptions.size()));
    Compute_Grid_Size(widthTwips, heightTwips);
    Setup_Scroll_Bars(widthTwips, heightTwips);
    createColumns(titles);
    createRows(rowCaptions);
    Draw_Grid_Lines();
}

void CheckBoxGrid::Compute_Grid_Size(int widthTwips, int heightTwips) {
    // 360 + 2175 + 225 + 225 + 450 + 100 across; the first row's top, 1075 and 450 down.
    m_visibleCols = roundEven((widthTwips - 3535) / double(Pitch));
    m_visibleRows = roundEven((heightTwips - (m_shape.firstRowTop + 1075 + 450)) / double(Pitch));
}

void CheckBoxGrid::Setup_Scroll_Bars(int widthTwips, int heightTwips) {
    m_Chbvscroll = new QScrollBar(Qt::Vertical, m_window);
    m_Chbvscroll->setObjectName(QStringLiteral("Chbvscroll"));
    m_Chbhscroll = new QScrollBar(Qt::Horizontal, m_window);
    m_Chbhscroll->setObjectName(QStringLiteral("Chbhscroll"));
    for (QScrollBar* bar : {m_Chbvscroll, m_Chbhscroll}) {
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->hide();
    }
    if (m_visibleRows < rowCount()) {
        m_Chbvscroll->setRange(0, rowCount() - m_visibleRows);
        WindowGeometry::place(m_Chbvscroll, widthTwips - 150 - BarThickness, 0, BarThickness, heightTwips - 750);
        m_Chbvscroll->show();
    }
    m_firstRow = 1;
    m_lastRow = shownRows();
    if (m_visibleCols < columnCount()) {
        m_Chbhscroll->setRange(0, columnCount() - m_visibleCols);
        WindowGeometry::place(m_Chbhscroll, 0, heightTwips - 450 - BarThickness, widthTwips - 450, BarThickness);
        m_Chbhscroll->show();
    }
    m_firstCol = 1;
    m_lastCol = std::min(m_visibleCols, columnCount());
    connect(m_Chbhscroll, &QScrollBar::valueChanged, this, &CheckBoxGrid::Chbhscroll_Change);
    connect(m_Chbvscroll, &QScrollBar::valueChanged, this, &CheckBoxGrid::Chbvscroll_Change);
}

void CheckBoxGrid::createColumns(const QList<QPixmap>& titles) {
    for (int k = 1; k <= columnCount(); ++k) {
        auto* title = new QLabel(m_window);
        title->setObjectName(QStringLiteral("lbltitlearray_%1").arg(k));
        title->setPixmap(titles.value(k - 1));
        title->setScaledContents(true);
        m_titles.push_back(title);
        if (!m_shape.classNumbers)
            continue;
        auto* number = new QLabel(k <= Classes ? QString::number(k) : QString(), m_window);
        number->setObjectName(QStringLiteral("lblclassnumarray_%1").arg(k));
        number->setAlignment(Qt::AlignCenter);
        m_numbers.push_back(number);
    }
    if (m_shape.classNumbers)
        addLine(QStringLiteral("SubtitleLine"), LineLeft, RuleTop, LineLeft + Pitch * (shownCols() - 1), RuleTop);
    placeColumns();
}

void CheckBoxGrid::createRows(const QStringList& captions) {
    QStringList partnerNumbers;
    for (int r = 1; r <= rowCount(); ++r) {
        Row& row = m_rows[static_cast<size_t>(r - 1)];
        row.caption = new QLabel(captions.at(r - 1), m_window);
        row.caption->setObjectName(QStringLiteral("%1_%2").arg(m_shape.rowLabelName).arg(r));
        row.caption->hide();
        row.boxes.reserve(Classes);
        for (int c = 1; c <= Classes; ++c) {
            auto* box = new QCheckBox(m_window);
            box->setObjectName(QStringLiteral("ChbArrayControl_%1").arg(Classes * (r - 1) + c));
            box->setAccessibleName(QStringLiteral("%1, class %2").arg(captions.at(r - 1)).arg(c));
            box->hide();
            // Every change of the box, not only a click: assistive technology (its toggle
            // action) and the loading of stored ticks change a box without one.
            connect(box, &QCheckBox::toggled, this, [this, r, c] { ChbArrayControl_Click(r, c); });
            box->installEventFilter(this);
            m_cells.insert(box, QPoint(c, r));
            row.boxes.push_back(box);
        }
        if (m_shape.partnerColumn) {
            // Made editable, with its list, when first needed: most rows never are.
            row.partner = new PartnerBox(m_window);
            row.partner->setObjectName(QStringLiteral("Cbpartner_%1").arg(r));
            row.partner->setEnabled(false);
            row.partner->setAccessibleName(QStringLiteral("%1, relay partner").arg(captions.at(r - 1)));
            row.partner->hide();
        }
        placeRow(r);
    }
}

void CheckBoxGrid::Draw_Grid_Lines() {
    const int bottom = lineTop() + Pitch * shownRows();
    for (int i = 1; i <= shownCols(); ++i) {
        const int x = LineLeft + Pitch * (i - 1);
        addLine(QStringLiteral("Vertlinearray_%1").arg(i), x, TitleTop, x, bottom);
    }
    for (int j = 1; j <= shownRows() + 1; ++j) {
        const int y = lineTop() + Pitch * (j - 1);
        addLine(QStringLiteral("Horzlinearray_%1").arg(j), CaptionLeft, y, LineLeft + Pitch * shownCols(), y);
    }
}

QFrame* CheckBoxGrid::addLine(const QString& name, int x1, int y1, int x2, int y2) {
    auto* line = new QFrame(m_window);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::black);
    line->setPalette(palette);
    const QPoint from = Twips::toPixels(QPoint(x1, y1));
    const QPoint to = Twips::toPixels(QPoint(x2, y2));
    line->setGeometry(from.x(), from.y(), std::max(1, to.x() - from.x()), std::max(1, to.y() - from.y()));
    line->lower();
    line->show();
    return line;
}

// Titles (and numbers) of the columns in view stand side by side from the left; the
// others are hidden.
void CheckBoxGrid::placeColumns() {
    int x = ColumnLeft;
    for (int k = 1; k <= columnCount(); ++k) {
        QLabel* title = m_titles[static_cast<size_t>(k - 1)];
        QLabel* number = m_shape.classNumbers ? m_numbers[static_cast<size_t>(k - 1)] : nullptr;
        const bool inView = columnInView(k);
        WindowGeometry::place(title, x, TitleTop, CellSize, TitleHeight);
        title->setVisible(inView);
        if (number) {
            WindowGeometry::place(number, x, NumberTop, CellSize, 200);
            number->setVisible(inView);
        }
        if (inView)
            x += Pitch;
    }
}

// A row in view stands at its place among the rows in view, its boxes of the columns in
// view side by side; a row out of view is hidden whole. Rows that were and stay out of
// view are not touched, which keeps scrolling a long grid quick.
void CheckBoxGrid::placeRow(int r) {
    Row& row = m_rows[static_cast<size_t>(r - 1)];
    if (!rowInView(r)) {
        if (row.shown) {
            row.caption->hide();
            for (QCheckBox* box : row.boxes)
                box->hide();
            if (row.partner)
                row.partner->hide();
            row.shown = false;
        }
        return;
    }
    const int y = m_shape.firstRowTop + Pitch * (r - m_firstRow);
    WindowGeometry::place(row.caption, CaptionLeft, y, CaptionWidth, CellSize);
    row.caption->show();
    int x = ColumnLeft;
    for (int c = 1; c <= Classes; ++c) {
        QCheckBox* box = row.boxes[static_cast<size_t>(c - 1)];
        if (columnInView(c)) {
            WindowGeometry::place(box, x, y, CellSize, CellSize);
            box->show();
            x += Pitch;
        } else {
            box->hide();
        }
    }
    if (row.partner) {
        WindowGeometry::place(row.partner, x, y, PartnerWidth, PartnerHeight);
        row.partner->setVisible(columnInView(Classes + 1));
    }
    row.shown = true;
}

void CheckBoxGrid::Chbhscroll_Change(int value) {
    m_firstCol = 1 + value;
    m_lastCol = m_firstCol + std::min(m_visibleCols, columnCount()) - 1;
    placeColumns();
    for (int r = m_firstRow; r <= m_lastRow; ++r)
        placeRow(r);
}

void CheckBoxGrid::Chbvscroll_Change(int value) {
    const int oldFirst = m_firstRow;
    const int oldLast = m_lastRow;
    m_firstRow = 1 + value;
    m_lastRow = m_firstRow + shownRows() - 1;
    for (int r = oldFirst; r <= oldLast; ++r)
        if (!rowInView(r))
            placeRow(r);
    for (int r = m_firstRow; r <= m_lastRow; ++r)
        placeRow(r);
}

void CheckBoxGrid::placeButtons(QPushButton* submit, QPushButton* cancel) const {
    const int top = m_heightTwips - 525 - BarThickness - GridButtonHeight;
    const int third = roundEven(m_widthTwips / 6.0);
    WindowGeometry::place(submit, 2 * third - GridButtonWidth / 2, top, GridButtonWidth, GridButtonHeight);
    WindowGeometry::place(cancel, 4 * third - GridButtonWidth / 2, top, GridButtonWidth, GridButtonHeight);
    submit->show();
    cancel->show();
}

void CheckBoxGrid::setClassMax(int classNumber, int max) {
    if (classNumber >= 1 && classNumber <= Classes)
        m_classMax[static_cast<size_t>(classNumber)] = max;
}

void CheckBoxGrid::tick(int row, int classNumber) {
    if (row < 1 || row > rowCount() || classNumber < 1 || classNumber > Classes || isTicked(row, classNumber))
        return;
    box(row, classNumber)->setChecked(true);
}

QCheckBox* CheckBoxGrid::box(int row, int classNumber) const {
    return m_rows[static_cast<size_t>(row - 1)].boxes[static_cast<size_t>(classNumber - 1)];
}

QComboBox* CheckBoxGrid::partnerBox(int row) const { return m_rows[static_cast<size_t>(row - 1)].partner; }

void CheckBoxGrid::setPartnerChoices(const QStringList& numbers) {
    if (!m_partnerChoices)
        m_partnerChoices = new QStringListModel(this);
    m_partnerChoices->setStringList(numbers);
}

void CheckBoxGrid::readyPartner(PartnerBox* partner) { partner->makeEditable(m_partnerChoices); }

void CheckBoxGrid::setPartnerText(int row, const QString& text) {
    PartnerBox* partner = m_rows[static_cast<size_t>(row - 1)].partner;
    readyPartner(partner);
    partner->setEditText(text);
}

QString CheckBoxGrid::partnerText(int row) const {
    const QComboBox* partner = partnerBox(row);
    return partner->isEditable() ? partner->currentText() : QString();
}

bool CheckBoxGrid::isTicked(int row, int classNumber) const { return box(row, classNumber)->isChecked(); }

int CheckBoxGrid::classCount(int classNumber) const {
    int count = 0;
    for (int r = 1; r <= rowCount(); ++r)
        count += isTicked(r, classNumber) ? 1 : 0;
    return count;
}

int CheckBoxGrid::tickedCount() const {
    int count = 0;
    for (int c = 1; c <= Classes; ++c)
        count += classCount(c);
    return count;
}

// The relay class enables the row's partner box. At its limit a class locks the boxes not
// ticked; below it they are all open again. The rule reads the boxes as they stand, so no
// change of a box, however it came, leaves a count behind.
void CheckBoxGrid::ChbArrayControl_Click(int row, int classNumber) {
    const bool ticked = isTicked(row, classNumber);
    if (m_shape.partnerColumn && classNumber == RelayClass) {
        PartnerBox* partner = m_rows[static_cast<size_t>(row - 1)].partner;
        readyPartner(partner);
        if (!ticked) {
            partner->setEditText(QString());
            partner->setCurrentIndex(-1);
        }
        partner->setEnabled(ticked);
    }
    applyLimit(classNumber);
}

void CheckBoxGrid::applyLimit(int classNumber) {
    const bool full = classCount(classNumber) >= m_classMax[static_cast<size_t>(classNumber)];
    for (int r = 1; r <= rowCount(); ++r) {
        QCheckBox* cell = box(r, classNumber);
        const bool ticked = cell->isChecked();
        cell->setEnabled(ticked || !full);
        setRaised(cell, full && !ticked);
    }
}

QWidget* CheckBoxGrid::lastControl() const {
    if (m_rows.empty())
        return nullptr;
    const Row& last = m_rows.back();
    return last.partner ? static_cast<QWidget*>(last.partner) : last.boxes.back();
}

bool CheckBoxGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && m_cells.contains(watched)) {
        // A box without a caption draws no focus of its own: the keyboard's box is framed.
        auto* cell = static_cast<QWidget*>(watched);
        if (cell->hasFocus()) {
            QPainter painter(cell);
            painter.setPen(QPen(cell->palette().color(QPalette::Highlight), 2));
            painter.drawRect(cell->rect().adjusted(1, 1, -1, -1));
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress || !m_cells.contains(watched))
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const QPoint cell = m_cells.value(watched);
    switch (key->key()) {
    case Qt::Key_Left:
        moveFocus(cell.y(), cell.x() - 1, 0, -1);
        return true;
    case Qt::Key_Right:
        moveFocus(cell.y(), cell.x() + 1, 0, 1);
        return true;
    case Qt::Key_Up:
        moveFocus(cell.y() - 1, cell.x(), -1, 0);
        return true;
    case Qt::Key_Down:
        moveFocus(cell.y() + 1, cell.x(), 1, 0);
        return true;
    default:
        return false;
    }
}

// Boxes locked by a full class are passed over, as the mouse cannot tick them either.
bool CheckBoxGrid::moveFocus(int row, int classNumber, int rowStep, int classStep) {
    for (; row >= 1 && row <= rowCount() && classNumber >= 1 && classNumber <= columnCount();
         row += rowStep, classNumber += classStep) {
        QWidget* target = classNumber <= Classes ? static_cast<QWidget*>(box(row, classNumber)) : partnerBox(row);
        if (!target->isEnabled())
            continue;
        scrollIntoView(row, classNumber);
        target->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void CheckBoxGrid::scrollIntoView(int row, int column) {
    if (row < m_firstRow)
        m_Chbvscroll->setValue(row - 1);
    else if (row > m_lastRow)
        m_Chbvscroll->setValue(row - shownRows());
    if (column < m_firstCol)
        m_Chbhscroll->setValue(column - 1);
    else if (column > m_lastCol)
        m_Chbhscroll->setValue(column - (m_lastCol - m_firstCol + 1));
}
