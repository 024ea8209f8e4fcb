#pragma once

#include <QString>

class QWidget;

// File and folder pickers, so that tests hand over a path instead of opening a dialog.
// An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                             const QString& filter) = 0;
    virtual QString pickFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;
};
