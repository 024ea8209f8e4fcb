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
#include <optional>

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
// The shaded palette is the same for every box, so it is made once.
void setRaised(QCheckBox* box, bool raised, std::optional<QPalette>& shaded) {
    if (box->property("raised").toBool() == raised)
        return;
    box->setProperty("raised", raised);
    box->setAutoFillBackground(raised);
    if (raised) {
        if (!shaded) {
            shaded = box->palette();
            shaded->setColor(box->backgroundRole(), QColor(0xb8, 0xb8, 0xb8));
        }
        box->setPalette(*shaded);
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
    for (int r = 1; r <= rowCount(); ++r)
        m_rows[static_cast<size_t>(r - 1)].captionText = rowCaptions.at(r - 1);
    Compute_Grid_Size(widthTwips, heightTwips);
    Setup_Scroll_Bars(widthTwips, heightTwips);
    createColumns(titles);
    // Row 1 first, whether in view or not: every row made later has a row before it to follow
    // in the keyboard's order.
    if (rowCount() > 0)
        madeRow(1);
    for (int r = m_firstRow; r <= m_lastRow; ++r)
        placeRow(r);
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

CheckBoxGrid::Row& CheckBoxGrid::madeRow(int r) {
    Row& row = m_rows[static_cast<size_t>(r - 1)];
    if (!row.caption)
        makeWidgets(r);
    return row;
}

// The widgets show the row's state as it stands: its ticks, the locks of the classes full
// when last ticked, and its partner box.
void CheckBoxGrid::makeWidgets(int r) {
    Row& row = m_rows[static_cast<size_t>(r - 1)];
    row.caption = new QLabel(row.captionText, m_window);
    row.caption->setObjectName(QStringLiteral("%1_%2").arg(m_shape.rowLabelName).arg(r));
    row.caption->hide();
    const QString accessiblePrefix = row.captionText + QStringLiteral(", class ");
    row.boxes.reserve(Classes);
    for (int c = 1; c <= Classes; ++c) {
        auto* box = new QCheckBox(m_window);
        box->setObjectName(QStringLiteral("ChbArrayControl_") + QString::number(Classes * (r - 1) + c));
        box->setAccessibleName(accessiblePrefix + QString::number(c));
        box->hide();
        box->setChecked(row.ticked[static_cast<size_t>(c - 1)]);
        box->setEnabled(boxEnabled(row, c));
        setRaised(box, !box->isEnabled(), m_shaded);
        // Every change of the box, not only a click: assistive technology (its toggle
        // action) changes a box without one.
        connect(box, &QCheckBox::toggled, this, [this, r, c](bool ticked) { setTicked(r, c, ticked); });
        box->installEventFilter(this);
        m_cells.insert(box, QPoint(c, r));
        row.boxes.push_back(box);
    }
    if (m_shape.partnerColumn) {
        // Made editable, with its list, when first needed: most rows never are.
        row.partner = new PartnerBox(m_window);
        row.partner->setObjectName(QStringLiteral("Cbpartner_%1").arg(r));
        row.partner->setAccessibleName(row.captionText + QStringLiteral(", relay partner"));
        row.partner->hide();
        showPartnerState(row);
        connect(row.partner, &QComboBox::editTextChanged, this, [this, r](const QString& text) {
            Row& changed = m_rows[static_cast<size_t>(r - 1)];
            if (changed.partner->isEditable())
                changed.partnerText = text;
        });
    }
    putInOrder(r);
}

void CheckBoxGrid::showPartnerState(const Row& row) {
    if (row.partnerOpen) {
        const QString text = row.partnerText; // opening the box empties it, and its row's text with it
        readyPartner(row.partner);
        if (row.partner->currentText() != text) {
            row.partner->setCurrentIndex(-1);
            row.partner->setEditText(text);
        }
    }
    row.partner->setEnabled(row.ticked[RelayClass - 1]);
}

// A new widget joins the end of the window's keyboard order and of its children (the order
// assistive technology lists them in). A row made after rows below it, or after the window's
// buttons, is moved to its place in both: after the row made before it, before the row after.
void CheckBoxGrid::putInOrder(int r) {
    const Row& row = m_rows[static_cast<size_t>(r - 1)];
    int earlier = r - 1;
    while (earlier >= 1 && !rowMade(earlier))
        --earlier;
    if (earlier >= 1) {
        const Row& before = m_rows[static_cast<size_t>(earlier - 1)];
        QWidget* at = before.partner ? static_cast<QWidget*>(before.partner) : before.boxes.back();
        for (QCheckBox* box : row.boxes) {
            QWidget::setTabOrder(at, box);
            at = box;
        }
        if (row.partner)
            QWidget::setTabOrder(at, row.partner);
    }
    int later = r + 1;
    while (later <= rowCount() && !rowMade(later))
        ++later;
    if (later <= rowCount()) {
        QWidget* next = m_rows[static_cast<size_t>(later - 1)].caption;
        row.caption->stackUnder(next);
        for (QCheckBox* box : row.boxes)
            box->stackUnder(next);
        if (row.partner)
            row.partner->stackUnder(next);
    }
}

bool CheckBoxGrid::boxEnabled(const Row& row, int classNumber) const {
    return row.ticked[static_cast<size_t>(classNumber - 1)] || !m_classLocked[static_cast<size_t>(classNumber)];
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
    if (!rowInView(r)) {
        Row& row = m_rows[static_cast<size_t>(r - 1)];
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
    Row& row = madeRow(r);
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
    const Row& ticked = m_rows[static_cast<size_t>(row - 1)];
    if (ticked.caption)
        ticked.boxes[static_cast<size_t>(classNumber - 1)]->setChecked(true);
    else
        setTicked(row, classNumber, true);
}

// Asking for a widget makes its row; a const grid makes widgets too, as its state is the
// rows' data, not the widgets.
QCheckBox* CheckBoxGrid::box(int row, int classNumber) const {
    return const_cast<CheckBoxGrid*>(this)->madeRow(row).boxes[static_cast<size_t>(classNumber - 1)];
}

QComboBox* CheckBoxGrid::partnerBox(int row) const { return const_cast<CheckBoxGrid*>(this)->madeRow(row).partner; }

void CheckBoxGrid::setPartnerChoices(const QStringList& numbers) {
    if (!m_partnerChoices)
        m_partnerChoices = new QStringListModel(this);
    m_partnerChoices->setStringList(numbers);
}

void CheckBoxGrid::readyPartner(PartnerBox* partner) { partner->makeEditable(m_partnerChoices); }

void CheckBoxGrid::setPartnerText(int row, const QString& text) {
    Row& changed = m_rows[static_cast<size_t>(row - 1)];
    changed.partnerOpen = true;
    changed.partnerText = text;
    if (changed.partner)
        showPartnerState(changed);
}

QString CheckBoxGrid::partnerText(int row) const { return m_rows[static_cast<size_t>(row - 1)].partnerText; }

bool CheckBoxGrid::isTicked(int row, int classNumber) const {
    return m_rows[static_cast<size_t>(row - 1)].ticked[static_cast<size_t>(classNumber - 1)];
}

int CheckBoxGrid::classCount(int classNumber) const { return m_classCount[static_cast<size_t>(classNumber)]; }

int CheckBoxGrid::tickedCount() const {
    int count = 0;
    for (int c = 1; c <= Classes; ++c)
        count += classCount(c);
    return count;
}

// A change of a box, by the user, by assistive technology or by tick(): the row's data
// follow it, and then the click rule.
void CheckBoxGrid::setTicked(int row, int classNumber, bool ticked) {
    bool& held = m_rows[static_cast<size_t>(row - 1)].ticked[static_cast<size_t>(classNumber - 1)];
    if (held == ticked)
        return;
    held = ticked;
    m_classCount[static_cast<size_t>(classNumber)] += ticked ? 1 : -1;
    ChbArrayControl_Click(row, classNumber);
}

// The relay class enables the row's partner box. At its limit a class locks the boxes not
// ticked; below it they are all open again. The rule reads the rows' ticks as they stand,
// so no change of a box, however it came, leaves a count behind.
void CheckBoxGrid::ChbArrayControl_Click(int row, int classNumber) {
    if (m_shape.partnerColumn && classNumber == RelayClass) {
        Row& changed = m_rows[static_cast<size_t>(row - 1)];
        changed.partnerOpen = true;
        if (!changed.ticked[RelayClass - 1])
            changed.partnerText.clear();
        if (changed.partner)
            showPartnerState(changed);
    }
    applyLimit(classNumber);
}

// Only the boxes made show the lock; rows made later take it from the class.
void CheckBoxGrid::applyLimit(int classNumber) {
    const auto c = static_cast<size_t>(classNumber);
    const bool full = m_classCount[c] >= m_classMax[c];
    m_classLocked[c] = full;
    for (const Row& row : m_rows) {
        if (!row.caption)
            continue;
        QCheckBox* cell = row.boxes[c - 1];
        const bool ticked = row.ticked[c - 1];
        cell->setEnabled(ticked || !full);
        setRaised(cell, full && !ticked, m_shaded);
    }
}

QWidget* CheckBoxGrid::lastControl() const {
    if (m_rows.empty())
        return nullptr;
    // Rows made later join the keyboard's order after the row made before them, so they
    // stay ahead of whatever follows the last row made: no need to make the grid's last row.
    int r = rowCount();
    while (!rowMade(r))
        --r;
    const Row& last = m_rows[static_cast<size_t>(r - 1)];
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
        const Row& data = m_rows[static_cast<size_t>(row - 1)];
        const bool enabled = classNumber <= Classes ? boxEnabled(data, classNumber) : data.ticked[RelayClass - 1];
        if (!enabled)
            continue;
        scrollIntoView(row, classNumber);
        QWidget* target = classNumber <= Classes ? static_cast<QWidget*>(box(row, classNumber)) : partnerBox(row);
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
