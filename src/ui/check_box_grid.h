#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class PartnerBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QStringListModel;
class QWidget;

// The scrolling grid of check boxes shared by the class entries (riders by class, with a
// column of relay partner boxes) and the judge assignments (judges by class): one column
// per class with its title picture, one row per rider or judge with its caption, a check
// box per row and class, a limit of ticks per class, scroll bars, grid lines and the
// fitting of all that to the window, in twips.
//
// All controls are children of the window and named as the grids name them
// (ChbArrayControl_N with N = 17 * (row - 1) + class, lblrider_R, Cbpartner_R, ...).
// What a row holds (its ticks, its partner's text) is kept as plain data; the row's
// widgets are made when it first comes into view, when the keyboard moves to it or when
// box() or partnerBox() asks for them, and kept from then on. A grid of many rows thus
// opens with the widgets of the rows in view only.
class CheckBoxGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int Classes = 17;
    static constexpr int RelayClass = 17;
    static constexpr int Pitch = 600;

    // What tells the two grids apart.
    struct Shape {
        int firstRowTop;      // twips: 2175 under the class numbers, 1875 without them
        bool classNumbers;    // number labels and a rule under the title pictures
        bool partnerColumn;   // an 18th column of relay partner boxes, enabled by class 17
        QString rowLabelName; // "lblrider" or "lblJudge"
    };

    CheckBoxGrid(QWidget* window, Shape shape);

    // Builds the grid in a window whose inner area is the given size: `titles` holds one
    // picture per class (and one for the partner column), `rowCaptions` one caption per row.
    void build(int widthTwips, int heightTwips, const QList<QPixmap>& titles, const QStringList& rowCaptions);

    // The limit of ticked boxes in a class; class numbers outside 1 to 17 are ignored.
    void setClassMax(int classNumber, int max);
    // Ticks a box; limits and partner boxes follow as they do a user's click. Rows and
    // classes outside the grid are ignored.
    void tick(int row, int classNumber);

    bool isTicked(int row, int classNumber) const;
    // The ticked boxes of a class, and of the whole grid, whether their rows were shown or not.
    int classCount(int classNumber) const;
    int tickedCount() const;
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The box of a row and class, made with its row when not made yet.
    QCheckBox* box(int row, int classNumber) const;
    // The relay partner box of a row (rows from 1), made with its row when not made yet, or
    // nullptr without a partner column.
    QComboBox* partnerBox(int row) const;
    // Whether the widgets of a row are made (for tests: rows out of view are not).
    bool rowMade(int row) const { return m_rows[static_cast<size_t>(row - 1)].caption != nullptr; }
    // The numbers every partner box offers in its list.
    void setPartnerChoices(const QStringList& numbers);
    void setPartnerText(int row, const QString& text);
    QString partnerText(int row) const;

    // Centres the two buttons at one and two thirds of the width, above the horizontal bar.
    void placeButtons(QPushButton* submit, QPushButton* cancel) const;

    int visibleCols() const { return m_visibleCols; }
    int visibleRows() const { return m_visibleRows; }
    int firstCol() const { return m_firstCol; }
    int lastCol() const { return m_lastCol; }
    QScrollBar* horizontalBar() const { return m_Chbhscroll; }
    QScrollBar* verticalBar() const { return m_Chbvscroll; }

    // The last control made of the grid in the keyboard's order (row by row, left to right),
    // or nullptr for a grid without rows; the window's buttons follow it, and rows made later
    // come before them.
    QWidget* lastControl() const;

public slots:
    void Chbhscroll_Change(int value);
    void Chbvscroll_Change(int value);

protected:
    // The arrow keys move between the boxes by row and class, scrolling them into view; the
    // box with the focus is framed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        // The row's state, made or not.
        QString captionText;
        std::array<bool, Classes> ticked{}; // classes 1 to 17 at 0 to 16
        QString partnerText;
        bool partnerOpen = false; // the partner box was opened for typing
        // Its widgets, once made.
        QLabel* caption = nullptr;
        std::vector<QCheckBox*> boxes; // classes 1 to 17 at 0 to 16
        PartnerBox* partner = nullptr;
        bool shown = false;
    };

    int columnCount() const { return m_shape.partnerColumn ? Classes + 1 : Classes; }
    int shownCols() const { return std::min(m_visibleCols, Classes + 1); }
    int shownRows() const { return std::min(m_visibleRows, rowCount()); }
    int lineTop() const { return m_shape.firstRowTop - 125; }
    bool columnInView(int column) const { return column >= m_firstCol && column <= m_lastCol; }
    bool rowInView(int row) const { return row >= m_firstRow && row <= m_lastRow; }

    void Compute_Grid_Size(int widthTwips, int heightTwips);
    void Setup_Scroll_Bars(int widthTwips, int heightTwips);
    void createColumns(const QList<QPixmap>& titles);
    // The row with its widgets, made now when they are not.
    Row& madeRow(int row);
    void makeWidgets(int row);
    // Puts a newly made row's controls in their place among the rows made before it.
    void putInOrder(int row);
    bool boxEnabled(const Row& row, int classNumber) const;
    void setTicked(int row, int classNumber, bool ticked);
    void Draw_Grid_Lines();
    void placeColumns();
    void placeRow(int row);
    void ChbArrayControl_Click(int row, int classNumber);
    void applyLimit(int classNumber);
    QFrame* addLine(const QString& name, int x1, int y1, int x2, int y2);
    // Gives the focus to the first enabled box from (row, classNumber) on in the direction
    // given (the partner box right of class 17); false when there is none.
    bool moveFocus(int row, int classNumber, int rowStep, int classStep);
    void scrollIntoView(int row, int column);
    void readyPartner(PartnerBox* partner);
    void showPartnerState(const Row& row);

    QWidget* m_window;
    Shape m_shape;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    int m_visibleCols = 0;
    int m_visibleRows = 0;
    int m_firstCol = 1;
    int m_lastCol = 0;
    int m_firstRow = 1;
    int m_lastRow = 0;
    std::vector<int> m_classMax = std::vector<int>(Classes + 1, 0);
    std::vector<int> m_classCount = std::vector<int>(Classes + 1, 0);
    std::vector<bool> m_classLocked = std::vector<bool>(Classes + 1, false); // full when last ticked
    std::vector<QLabel*> m_titles;  // columns 1 to 18 at 0 to 17
    std::vector<QLabel*> m_numbers; // likewise, when the grid has class numbers
    std::vector<Row> m_rows;        // rows 1 to n at 0 to n - 1
    QHash<const QObject*, QPoint> m_cells; // box -> (class, row)
    QScrollBar* m_Chbhscroll = nullptr;
    QScrollBar* m_Chbvscroll = nullptr;
    QStringListModel* m_partnerChoices = nullptr;
    std::optional<QPalette> m_shaded; // of a locked box, made with the first
};
