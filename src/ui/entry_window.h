#pragma once

#include "ui/key_buttons.h"

#include <QRect>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RunState;

// A window opened over other windows to add or edit one record: a top-level window,
// centred on the screen, deleted when closed, and announcing its closing so that the
// window that opened it can enable itself again and read the database afresh.
//
// Its Submit and Cancel run one flow: Submit asks the save question, validates, stores
// and closes; Cancel asks the cancel question and closes. Each window supplies the
// validation and the store.
class EntryWindow : public QWidget {
    Q_OBJECT
public:
    EntryWindow(RunState& state, const QString& objectName, const QString& title, int widthTwips, int heightTwips,
                QWidget* parent = nullptr);

    // Centres the window on a screen of the given size in twips.
    void centreOn(int screenWidthTwips, int screenHeightTwips);

    // Asked before the window would be closed from outside (its activity changes, the
    // program closes): the window's own cancel question. True when its input may go.
    virtual bool Query_Close();

public slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();

signals:
    void closed();

protected:
    // Where the caption of a labelled box stands.
    enum class CaptionAt { Above, Left };

    // The large bold title label across the top of the window.
    QLabel* addTitleLabel(const QString& caption, int topTwips = 120, int heightTwips = 500);
    // A plain caption at a place in twips.
    QLabel* addCaption(const QString& caption, QRect twips);
    // A text box at `boxTwips` with its caption above it or left of it.
    QLineEdit* addTextBox(const QString& objectName, const QString& caption, QRect boxTwips, int maxLength,
                          CaptionAt at = CaptionAt::Above);
    QComboBox* addComboBox(const QString& objectName, const QString& caption, QRect boxTwips,
                           CaptionAt at = CaptionAt::Above);
    // The Submit button (whatever its caption) and the Cancel button, wired to the flow;
    // Enter presses Submit and Escape presses Cancel.
    QPushButton* addSubmitButton(const QString& objectName, const QString& caption, QRect twips);
    QPushButton* addCancelButton(QRect twips);
    // Buttons of the window's own that Enter and Escape press (either may be null), for
    // windows whose buttons are not Submit and Cancel, or which show them in turn.
    void addKeyButtons(QPushButton* enter, QPushButton* escape) { m_keys.add(enter, escape); }

    // The question asked before storing; the standard save question unless a window has its own.
    virtual QString saveQuestion() const;
    // Checks the input; false after telling the user what is wrong. By default the
    // window's validationError() is shown as a "Submit Error".
    virtual bool Validate_Input();
    virtual QString validationError() const { return {}; }
    // Stores the input; false, with the user told why, when it was not stored.
    virtual bool Store_Input() { return true; }
    // Tells the user why the input is refused (an OK-only notice with the application's
    // title) and answers false, for validations to return.
    bool refuse(const QString& text);
    // Stores the record with `write`, which answers false when the record being edited is
    // no longer there; that is told with `goneTitle` and `goneText`. False when nothing
    // was stored (a refused statement is reported).
    bool storeRecord(const std::function<bool()>& write, const QString& goneTitle, const QString& goneText);

    // Runs `dialog`, which opens one of the window's own file or folder pickers; these run an
    // event loop of their own, in which the window can still be closed (its buttons stay
    // reachable through assistive technology). Closed meanwhile, the window hides and its
    // picker is cancelled, but it is deleted only once `dialog` has returned. False then: the
    // window is closed, and the caller goes no further.
    bool runOwnDialog(const std::function<void()>& dialog);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // On first showing, Tab is set to walk the controls in their reading order on screen;
    // a window that orders them itself says so here.
    void showEvent(QShowEvent* event) override;
    bool m_tabsFollowLayout = true;

    RunState& m_state;

private:
    QLabel* placeCaption(const QString& caption, QRect boxTwips, CaptionAt at);

    KeyButtons m_keys{this};
    int m_ownDialogs = 0;             // own pickers running
    bool m_closedUnderDialog = false; // closed while one ran
    bool m_deleteAfterDialog = false; // and to be deleted once it returned
};
