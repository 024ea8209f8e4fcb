#pragma once

#include "ui/messages.h"

class QWidget;

// Messages shown as QMessageBox, over the active window, never taller than the screen: a long
// text shows its beginning, and the whole of it behind "Show Details...".
class MessageBoxMessages : public Messages {
public:
    void notice(const QString& title, const QString& text, Icon icon) override;
    bool ask(const QString& title, const QString& text, Icon icon) override;
};
