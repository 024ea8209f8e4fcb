#include "ui/qt_file_dialogs.h"

#include <QFileDialog>

QString QtFileDialogs::openFile(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtFileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

QString QtFileDialogs::pickFolder(QWidget* parent, const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}
