#include "labels/label_files.h"

#include <QDir>
#include <QFileInfo>

namespace LabelFiles {

QString folder(const QString& programFolder) { return QDir(programFolder).filePath(QStringLiteral("LabelFiles")); }

QString path(const QString& programFolder, const QString& prefix, const QString& imagePath) {
    const QString name = prefix.toLower() + imagePath;
    const QDir dir(folder(programFolder));
    const QString canonical = dir.filePath(name);
    if (QFileInfo::exists(canonical))
        return canonical;
    // File systems that tell case apart: look for the same name in another case.
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return canonical;
}

} // namespace LabelFiles
