#pragma once

#include "ui/entry_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// Region settings: the region letter (settings store) and the class line-up form
// (classes 2 and 3 of the meet database). While it is open the main window is
// disabled, or hidden on a first start; closing it hands control back to the main window.
class FrmSettings : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmSettings(RunState& state, QWidget* parent = nullptr);

protected:
    QString saveQuestion() const override;
    bool Validate_Input() override;
    bool Store_Input() override;

private:
    void Form_Load();
    bool Apply_Class_Version();

    QLineEdit* m_TxtRegionLetter = nullptr;
    QComboBox* m_cbClassVersion = nullptr;
    QPushButton* m_CmdCancel = nullptr;
    int m_classVersion = 0;
};
