#include "exchange/cls_folder_browser.h"

#include "ui/file_dialogs.h"

QString Cls_Folder_Browser::OpenDirectoryTV(const QString& odtvTitle, QWidget* owner) const {
    return m_dialogs.pickFolder(owner, odtvTitle, QString());
}
