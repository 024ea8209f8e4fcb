#pragma once

#include <QString>

// How a class name is set on a vertical label: one line up to 19 characters, otherwise
// two lines, the first taking words while it stays under 19 characters.
struct LabelLines {
    QString first;
    QString second; // empty when the name fits one line
};

LabelLines splitLabelText(const QString& text);
