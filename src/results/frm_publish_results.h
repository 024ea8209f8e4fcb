#pragma once

#include "ui/entry_window.h"

class QCheckBox;
class QLineEdit;

// "Publish Results": writes the results web pages into a folder chosen once and kept in the
// per-user settings, as the publish command does; ticked, the pages are written again after
// every placings save.
class FrmPublishResults : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmPublishResults(RunState& state, QWidget* parent = nullptr);

public slots:
    void CmdChooseFolder_Click();
    void CmdPublish_Click();

protected:
    bool Query_Close() override { return true; } // the choices are kept by Publish only

private:
    QLineEdit* m_TxtFolder = nullptr;
    QCheckBox* m_ChkAfterSave = nullptr;
};
