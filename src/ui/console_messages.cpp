#include "ui/console_messages.h"

#include <cstdio>

void ConsoleMessages::notice(const QString&, const QString& text, Icon) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool ConsoleMessages::ask(const QString&, const QString& text, Icon) {
    std::fprintf(stderr, "%s (answered No)\n", qPrintable(text));
    return false;
}
