#include "database/back_number.h"

#include <limits>

namespace BackNumber {

std::optional<qint16> value(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < trimmed.size() && (trimmed[at] == u'+' || trimmed[at] == u'-')) {
        negative = trimmed[at] == u'-';
        ++at;
    }
    if (at == trimmed.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; at < trimmed.size(); ++at) {
        const char16_t c = trimmed[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > 32768)
            return std::nullopt;
    }
    const qint64 result = negative ? -magnitude : magnitude;
    if (result < std::numeric_limits<qint16>::min() || result > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(result);
}

std::optional<QString> plain(const QString& text) {
    const std::optional<qint16> v = value(text);
    if (!v)
        return std::nullopt;
    return QString::number(*v);
}

bool same(const QString& a, const QString& b) {
    const std::optional<qint16> va = value(a);
    const std::optional<qint16> vb = value(b);
    if (va && vb)
        return *va == *vb;
    return a == b;
}

bool before(const QString& a, const QString& b) {
    const std::optional<qint16> va = value(a);
    const std::optional<qint16> vb = value(b);
    if (va && vb)
        return *va < *vb;
    if (va || vb)
        return va.has_value();
    return a < b;
}

bool Set::contains(const QString& number) const {
    const std::optional<qint16> v = value(number);
    return v ? m_values.contains(*v) : m_texts.contains(number.toCaseFolded());
}

void Set::insert(const QString& number) {
    if (const std::optional<qint16> v = value(number))
        m_values.insert(*v);
    else
        m_texts.insert(number.toCaseFolded());
}

} // namespace BackNumber
