#pragma once

#include "ui/file_dialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                     const QString& filter) override;
    QString pickFolder(QWidget* parent, const QString& caption, const QString& folder) override;
};
