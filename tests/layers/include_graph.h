#pragma once

#include <QMap>
#include <QStringList>

// The project includes of a source tree: for each file (a path under the tree, such as
// "ui/twips.cpp"), the headers it names as #include "folder/file.h".
using IncludeGraph = QMap<QString, QStringList>;

namespace Layers {

// Reads every .cpp and .h under `root`. Only includes whose folder is a folder of `root` count.
IncludeGraph read(const QString& root);

// Each include that reaches above its file's layer or into a peer folder of the same layer,
// as "src/x/y.cpp includes z/w.h (x is below z)", and each folder that has no layer.
QStringList wrongWayIncludes(const IncludeGraph& graph);

// Each circle of includes between files, as "circle: src/a.h -> src/b.h -> src/a.h".
QStringList circles(const IncludeGraph& graph);

} // namespace Layers
