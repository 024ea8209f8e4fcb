#pragma once

#include "ui/messages.h"

// Messages of the headless commands: notices go to standard error; a question is
// never expected there and is answered No, so nothing is changed unasked.
class ConsoleMessages : public Messages {
public:
    void notice(const QString& title, const QString& text, Icon icon) override;
    bool ask(const QString& title, const QString& text, Icon icon) override;
};
