#pragma once

#include <QString>
#include <QStringList>

// Where class label images live. Writers and readers build names here only, so the
// letter case of a prefix ("Report", "report") or of an image name never makes a reader
// miss a file.
namespace LabelFiles {

QString folder(const QString& programFolder);

// The label image of `imagePath` ("WfandS.bmp") with prefix "form" or "report", in any
// letter case. Answers the existing file of that name whatever its case on disk, or the
// canonical (lower-case prefix) path when none exists yet.
QString path(const QString& programFolder, const QString& prefix, const QString& imagePath);
// The same, finding a name in another case among `folderFiles`, the label folder's files as
// the caller listed them once (files()): for making many labels at a time.
QString path(const QString& programFolder, const QString& prefix, const QString& imagePath,
             const QStringList& folderFiles);
QStringList files(const QString& programFolder);

inline QString formPrefix() { return QStringLiteral("form"); }
inline QString reportPrefix() { return QStringLiteral("report"); }
inline QString relayPartnerImage() { return QStringLiteral("RelayPartner.bmp"); }

} // namespace LabelFiles
