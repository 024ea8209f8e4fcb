#include "labels/label_files.h"

#include <QDir>
#include <QFileInfo>

namespace LabelFiles {

QString folder(const QString& programFolder) { return QDir(programFolder).filePath(QStringLiteral("LabelFiles")); }

QString path(const QString& programFolder, const QString& prefix, const QString& imagePath) {
    const QString canonical = QDir(folder(programFolder)).filePath(prefix.toLower() + imagePath);
    if (QFileInfo::exists(canonical))
        return canonical;
    // File systems that tell case apart: look for the same name in another case.
    return path(programFolder, prefix, imagePath, files(programFolder));
}

QString path(const QString& programFolder, const QString& prefix, const QString& imagePath,
             const QStringList& folderFiles) {
    const QString name = prefix.toLower() + imagePath;
    const QDir dir(folder(programFolder));
    if (folderFiles.contains(name))
        return dir.filePath(name);
    for (const QString& entry : folderFiles)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(name);
}

QStringList files(const QString& programFolder) { return QDir(folder(programFolder)).entryList(QDir::Files); }

} // namespace LabelFiles
