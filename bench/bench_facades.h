#pragma once

#include "ui/file_dialogs.h"
#include "ui/messages.h"

// The message and file-dialog facades of the benchmarks: every question answered Yes,
// every notice kept (the last one) and no dialog opened.
class BenchMessages : public Messages {
public:
    void notice(const QString&, const QString& text, Icon) override { last = text; }
    bool ask(const QString&, const QString&, Icon) override { return true; }
    QString last;
};

class BenchFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString pickFolder(QWidget*, const QString&, const QString&) override { return {}; }
};
