#pragma once

#include <QWidget>

class QLabel;

// A window opened over other windows to add or edit one record: a top-level window,
// centred on the screen, deleted when closed, and announcing its closing so that the
// window that opened it can enable itself again and read the database afresh.
class EntryWindow : public QWidget {
    Q_OBJECT
public:
    EntryWindow(const QString& objectName, const QString& title, int widthTwips, int heightTwips,
                QWidget* parent = nullptr);

    // Centres the window on a screen of the given size in twips.
    void centreOn(int screenWidthTwips, int screenHeightTwips);

signals:
    void closed();

protected:
    // The large bold title label across the top of the window.
    QLabel* addTitleLabel(const QString& caption, int topTwips = 120, int heightTwips = 500);
    void closeEvent(QCloseEvent* event) override;
};
