#pragma once

#include "ui/key_buttons.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class EntryWindow;
class QLabel;
class QPushButton;
class RunState;

// A window the main window opens as one of its activities. The main window hands it the
// chosen division and asks reports to load through these functions; a window overrides
// the ones its activity takes. An activity may have one sub-window open (an entry window
// or a grid) over it.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    // `objectName` and `caption` name the window; the run state is what it works on.
    ActivityWindow(RunState& state, const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    ~ActivityWindow() override;

    virtual void Set_Division(const QString& RcvdDivision) { Q_UNUSED(RcvdDivision) }
    virtual void Load_Report() {}
    // Asked before the activity is closed or changed: an open sub-window asks its own
    // cancel question. False when the user chose to keep it.
    virtual bool Query_Unload();

    EntryWindow* subWindow() const;

protected:
    // Whether the windows beneath an open sub-window (this one and the main window) are
    // disabled while it is open.
    enum class Beneath { StayEnabled, Disabled };

    // Shows `window` owned by this one. When it closes, the windows beneath are enabled
    // again and `onClosed` runs.
    void openSubWindow(EntryWindow* window, Beneath beneath, const std::function<void()>& onClosed = {});

    // Buttons that Enter and Escape press (either may be null); Enter on a focused button
    // presses that one.
    void addKeyButtons(QPushButton* enter, QPushButton* escape) { m_keys.add(enter, escape); }
    void keyPressEvent(QKeyEvent* event) override;

    // The activity's title across the top of the window, in the activities' title font.
    QLabel* addTitle(const QString& text, const QString& objectName = QStringLiteral("LblTitle"));

    RunState& m_state;

private:
    void setBeneathEnabled(bool enabled);

    KeyButtons m_keys{this};
    QPointer<EntryWindow> m_subWindow;
    bool m_beneathDisabled = false;
};
