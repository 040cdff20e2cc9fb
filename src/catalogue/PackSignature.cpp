#include "catalogue/PackSignature.h"

#include <sodium.h>

#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace PackSignature {

namespace {

// Far above the longest comments the publisher's tools write.
constexpr qsizetype kMaxFileSize = 16 * 1024;
const QByteArray kUntrusted = QByteArrayLiteral("untrusted comment: ");
const QByteArray kTrusted = QByteArrayLiteral("trusted comment: ");

[[noreturn]] void refuse(const QString& why)
{
    throw TrustedKeys::Malformed(QStringLiteral("fisierul de semnatura este deteriorat: ") + why);
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

Signature parse(const QByteArray& fileText)
{
    if (fileText.size() > kMaxFileSize)
        refuse(QStringLiteral("este prea mare"));
    if (fileText.contains('\0'))
        refuse(QStringLiteral("contine caracterul nul"));
    // Four lines, each ended by LF or CRLF (the last end may be missing).
    QList<QByteArray> lines = fileText.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != 4)
        refuse(QStringLiteral("are %1 linii in loc de 4").arg(lines.size()));
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains('\r'))
            refuse(QStringLiteral("contine un caracter de sfarsit de linie nepermis"));
    }
    if (!lines[0].startsWith(kUntrusted))
        refuse(QStringLiteral("prima linie nu este un comentariu"));
    if (!lines[2].startsWith(kTrusted))
        refuse(QStringLiteral("lipseste comentariul de incredere"));

    QByteArray head, tail;
    try {
        head = TrustedKeys::decodeBase64(lines[1], 74, QStringLiteral("semnatura"));
        tail = TrustedKeys::decodeBase64(lines[3], 64, QStringLiteral("semnatura comentariului"));
    } catch (const TrustedKeys::Malformed& e) {
        refuse(e.reason);
    }
    Signature s;
    if (head.startsWith("ED"))
        s.prehashed = true;
    else if (head.startsWith("Ed"))
        s.prehashed = false;
    else
        refuse(QStringLiteral("algoritm de semnare necunoscut"));
    TrustedKeys::copyBytes(s.keyId, head, 2);
    TrustedKeys::copyBytes(s.signature, head, 10);
    s.trustedComment = lines[2].mid(kTrusted.size());
    if (!isUtf8(s.trustedComment))
        refuse(QStringLiteral("comentariul de incredere nu este scris in UTF-8"));
    TrustedKeys::copyBytes(s.commentSignature, tail, 0);
    return s;
}

QByteArray write(const Signature& s, const QByteArray& untrustedComment)
{
    QByteArray head(s.prehashed ? "ED" : "Ed");
    head.append(reinterpret_cast<const char*>(s.keyId.data()), qsizetype(s.keyId.size()));
    head.append(reinterpret_cast<const char*>(s.signature.data()), qsizetype(s.signature.size()));
    const QByteArray tail(reinterpret_cast<const char*>(s.commentSignature.data()),
                          qsizetype(s.commentSignature.size()));
    return kUntrusted + untrustedComment + '\n' + TrustedKeys::encodeBase64(head) + '\n' + kTrusted + s.trustedComment +
           '\n' + TrustedKeys::encodeBase64(tail) + '\n';
}

QByteArray signedMessage(bool prehashed, const QByteArray& pack)
{
    if (!prehashed)
        return pack;
    QByteArray hash(crypto_generichash_BYTES_MAX, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char*>(hash.data()), size_t(hash.size()),
                       reinterpret_cast<const unsigned char*>(pack.constData()), size_t(pack.size()), nullptr, 0);
    return hash;
}

Check verify(const Signature& s, const QByteArray& pack, const TrustedKeys::PublicKey& key)
{
    if (sodium_init() < 0)
        return Check::WrongPack;
    const QByteArray message = signedMessage(s.prehashed, pack);
    if (crypto_sign_verify_detached(s.signature.data(), reinterpret_cast<const unsigned char*>(message.constData()),
                                    size_t(message.size()), key.key.data()) != 0)
        return Check::WrongPack;
    QByteArray comment(reinterpret_cast<const char*>(s.signature.data()), qsizetype(s.signature.size()));
    comment += s.trustedComment;
    if (crypto_sign_verify_detached(s.commentSignature.data(),
                                    reinterpret_cast<const unsigned char*>(comment.constData()), size_t(comment.size()),
                                    key.key.data()) != 0)
        return Check::WrongComment;
    return Check::Good;
}

} // namespace PackSignature
