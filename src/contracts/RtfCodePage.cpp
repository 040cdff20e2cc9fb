#include "contracts/RtfCodePage.h"

#include <QStringDecoder>

namespace {

// Qt reads a byte that 1250 or 1252 leaves undefined as the C1 control of the
// same value; such bytes, and NUL, are no text and are dropped.
bool dropsUndefinedBytes(int codePage)
{
    return codePage == 1250 || codePage == 1252;
}

QString withoutUndefined(QString text)
{
    text.removeIf([](QChar c) { return c.unicode() == 0 || (c.unicode() >= 0x80 && c.unicode() <= 0x9F); });
    return text;
}

} // namespace

RtfCodePageDecoder::RtfCodePageDecoder() = default;
RtfCodePageDecoder::~RtfCodePageDecoder() = default;

QString RtfCodePageDecoder::decode(const QByteArray& bytes, int codePage)
{
    if (codePage == 28591)
        return QString::fromLatin1(bytes);
    QStringDecoder* d = codePage == 0 ? nullptr : converter(codePage);
    if (!d) {
        codePage = 1252;
        d = converter(codePage);
    }
    if (!d) // a Qt without the Windows code pages: Latin-1 is 1252's nearest
        return withoutUndefined(QString::fromLatin1(bytes));
    const QString text = d->decode(bytes);
    return dropsUndefinedBytes(codePage) ? withoutUndefined(text) : text;
}

QStringDecoder* RtfCodePageDecoder::converter(int codePage)
{
    auto it = m_converters.find(codePage);
    if (it != m_converters.end())
        return it->second.get();
    std::unique_ptr<QStringDecoder> found;
    // UTF-8 too keeps its state: a character split between two runs of
    // bytes is not lost.
    if (codePage == 65001)
        found = std::make_unique<QStringDecoder>(QStringDecoder::Utf8);
    const QByteArray n = QByteArray::number(codePage);
    const QByteArray names[] = {"windows-" + n, "cp" + n, "ibm-" + n};
    for (const QByteArray& name : names) {
        if (found)
            break;
        auto d = std::make_unique<QStringDecoder>(name.constData());
        if (d->isValid())
            found = std::move(d);
    }
    return m_converters.emplace(codePage, std::move(found)).first->second.get();
}

int rtfCodePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0; // 1 (default) and 2 (symbol): the document's own
    }
}
