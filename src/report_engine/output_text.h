#pragma once

#include <QString>

// Text of the meet (names typed or imported) made safe for the files and pages that others
// read: characters XML cannot hold and other control characters (NUL, ESC...) are dropped,
// and every bidirectional embedding, override or isolate the text opens is closed at its
// end, so it cannot reorder what follows it on a page or in a CSV line.
namespace OutputText {

QString cleaned(const QString& text);

} // namespace OutputText
