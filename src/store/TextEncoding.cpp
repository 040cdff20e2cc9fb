#include "store/TextEncoding.h"

namespace TextEncoding {

namespace {

bool needsReplacing(QStringView v)
{
    const qsizetype n = v.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = v[i].unicode();
        if (c == 0)
            return true;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(v[i + 1].unicode())) {
                ++i;
                continue;
            }
            return true;
        }
        if (QChar::isLowSurrogate(c))
            return true;
    }
    return false;
}

} // namespace

QString storedForm(QStringView value)
{
    if (!needsReplacing(value))
        return value.toString();
    QString out;
    out.reserve(value.size());
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = value[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(value[i + 1].unicode())) {
            out += value[i];
            out += value[i + 1];
            ++i;
        } else if (c == 0 || QChar::isSurrogate(c)) {
            out += QChar(kReplacement);
        } else {
            out += value[i];
        }
    }
    return out;
}

QByteArray toStoreUtf8(QStringView value)
{
    // Qt writes an unpaired surrogate as '?'; with neither '?' nor a NUL in its
    // output the text needs no replacing, which spares a scan of long texts.
    QByteArray utf8 = value.toUtf8();
    if (!utf8.contains('?') && !utf8.contains('\0'))
        return utf8;
    return needsReplacing(value) ? storedForm(value).toUtf8() : utf8;
}

QString fromStoreUtf8(const char* bytes, qsizetype size)
{
    if (!bytes || size <= 0)
        return QString();
    if (size >= 3 && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF')
        return QString(QChar(0xFEFF)) + QString::fromUtf8(bytes + 3, size - 3);
    return QString::fromUtf8(bytes, size);
}

} // namespace TextEncoding
