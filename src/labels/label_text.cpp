#include "labels/label_text.h"

#include <QStringList>

namespace {
constexpr int MaxLineLength = 19;
}

LabelLines splitLabelText(const QString& text) {
    if (text.size() <= MaxLineLength)
        return {text, {}};

    const QStringList words = text.split(u' ');
    QString first;
    qsizetype taken = 0;
    for (; taken < words.size(); ++taken) {
        // The joining blank is not counted in this test, so a first line may reach 19.
        if (first.size() + words[taken].size() >= MaxLineLength)
            break;
        first = first.isEmpty() ? words[taken] : first + u' ' + words[taken];
    }
    if (first.isEmpty()) // a leading word too long for one line is cut at the limit
        return {text.left(MaxLineLength), text.mid(MaxLineLength).trimmed()};
    return {first, words.mid(taken).join(u' ').trimmed()};
}
