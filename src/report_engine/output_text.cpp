#include "report_engine/output_text.h"

#include <algorithm>

namespace {

constexpr char16_t BidiLre = 0x202A, BidiRle = 0x202B, BidiPdf = 0x202C, BidiLro = 0x202D, BidiRlo = 0x202E;
constexpr char16_t BidiLri = 0x2066, BidiRli = 0x2067, BidiFsi = 0x2068, BidiPdi = 0x2069;

// C0 controls other than tab and line breaks, DEL, C1 controls and the two non-characters
// XML refuses.
bool outputDropped(char16_t c) {
    if (c == u'\t' || c == u'\n' || c == u'\r')
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

} // namespace

namespace OutputText {

QString cleaned(const QString& text) {
    QString out;
    out.reserve(text.size());
    QString owed; // the closers of what is open, innermost last
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || outputDropped(u))
            continue;
        if (u == BidiLre || u == BidiRle || u == BidiLro || u == BidiRlo) {
            owed += QChar(BidiPdf);
        } else if (u == BidiLri || u == BidiRli || u == BidiFsi) {
            owed += QChar(BidiPdi);
        } else if (u == BidiPdf) {
            // Closes the innermost embedding only, never across an isolate; else it closes nothing.
            if (owed.isEmpty() || owed.back() != QChar(BidiPdf))
                continue;
            owed.chop(1);
        } else if (u == BidiPdi) {
            // Closes the innermost isolate and whatever was opened within it.
            const qsizetype isolate = owed.lastIndexOf(QChar(BidiPdi));
            if (isolate < 0)
                continue;
            owed.truncate(isolate);
        }
        out += c;
    }
    std::reverse(owed.begin(), owed.end());
    return out + owed;
}

} // namespace OutputText
