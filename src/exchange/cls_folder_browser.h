#pragma once

#include <QString>

class FileDialogs;
class QWidget;

// The folder picker of the export, through the program's file-dialog facade.
class Cls_Folder_Browser {
public:
    explicit Cls_Folder_Browser(FileDialogs& dialogs) : m_dialogs(dialogs) {}

    // The chosen folder, or empty text when the user cancelled.
    QString OpenDirectoryTV(const QString& odtvTitle, QWidget* owner) const;

private:
    FileDialogs& m_dialogs;
};
