#include "catalogue/PublisherKey.h"

#include <sodium.h>

#include <cstring>

namespace PublisherKey {

namespace {

constexpr int kFileBytes = 158;
constexpr int kSealedOffset = 54; // id, key and checksum follow the key derivation settings
constexpr int kSealedBytes = 104;

[[noreturn]] void refuse(const QString& why)
{
    throw TrustedKeys::Malformed(QStringLiteral("cheia secreta: ") + why);
}

QByteArray decodeFile(const QByteArray& fileText)
{
    QList<QByteArray> lines = fileText.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != 2 || !lines[0].startsWith("untrusted comment: "))
        refuse(QStringLiteral("fisierul nu are forma unei chei secrete"));
    QByteArray body = lines[1];
    if (body.endsWith('\r'))
        body.chop(1);
    const QByteArray bytes = TrustedKeys::decodeBase64(body, kFileBytes, QStringLiteral("cheia secreta"));
    if (!bytes.startsWith("Ed") || bytes.mid(4, 2) != "B2")
        refuse(QStringLiteral("algoritm necunoscut"));
    const QByteArray kdf = bytes.mid(2, 2);
    if (kdf != "Sc" && kdf != QByteArray(2, '\0'))
        refuse(QStringLiteral("metoda de protejare cu parola necunoscuta"));
    return bytes;
}

quint64 littleEndian64(const QByteArray& bytes, int at)
{
    quint64 value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | quint64(static_cast<unsigned char>(bytes[at + i]));
    return value;
}

QByteArray checksum(const QByteArray& sealed)
{
    QByteArray input("Ed");
    input += sealed.left(72);
    QByteArray sum(32, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char*>(sum.data()), 32,
                       reinterpret_cast<const unsigned char*>(input.constData()), size_t(input.size()), nullptr, 0);
    return sum;
}

} // namespace

TrustedKeys::PublicKey SecretKey::publicKey() const
{
    TrustedKeys::PublicKey pub;
    pub.id = id;
    std::copy(key.begin() + 32, key.end(), pub.key.begin());
    return pub;
}

bool needsPassword(const QByteArray& fileText)
{
    return decodeFile(fileText).mid(2, 2) == "Sc";
}

SecretKey read(const QByteArray& fileText, const QByteArray& password)
{
    if (sodium_init() < 0)
        refuse(QStringLiteral("biblioteca criptografica nu porneste"));
    const QByteArray bytes = decodeFile(fileText);
    QByteArray sealed = bytes.mid(kSealedOffset, kSealedBytes);
    const bool encrypted = bytes.mid(2, 2) == "Sc";
    if (encrypted) {
        QByteArray stream(kSealedBytes, Qt::Uninitialized);
        if (crypto_pwhash_scryptsalsa208sha256(reinterpret_cast<unsigned char*>(stream.data()), kSealedBytes,
                                               password.constData(), quint64(password.size()),
                                               reinterpret_cast<const unsigned char*>(bytes.constData() + 6),
                                               littleEndian64(bytes, 38), size_t(littleEndian64(bytes, 46))) != 0)
            refuse(QStringLiteral("parola nu poate fi folosita (memorie insuficienta?)"));
        for (int i = 0; i < kSealedBytes; ++i)
            sealed[i] = char(sealed[i] ^ stream[i]);
        sodium_memzero(stream.data(), size_t(stream.size()));
    }
    // A plain key may carry no checksum; a protected one always does, and a
    // wrong password shows as a wrong checksum.
    const QByteArray sum = sealed.mid(72, 32);
    if ((encrypted || sum != QByteArray(32, '\0')) && sum != checksum(sealed))
        refuse(encrypted ? QStringLiteral("parola este gresita") : QStringLiteral("suma de control nu se potriveste"));
    SecretKey key;
    TrustedKeys::copyBytes(key.id, sealed, 0);
    TrustedKeys::copyBytes(key.key, sealed, 8);
    sodium_memzero(sealed.data(), size_t(sealed.size()));
    // The public half stored in the key must be the one its seed makes.
    std::array<unsigned char, 32> pub{};
    std::array<unsigned char, 64> again{};
    crypto_sign_seed_keypair(pub.data(), again.data(), key.key.data());
    const bool consistent = again == key.key;
    sodium_memzero(again.data(), again.size());
    if (!consistent)
        refuse(QStringLiteral("cheia este deteriorata"));
    return key;
}

QByteArray sign(const SecretKey& key, const QByteArray& pack, const QByteArray& trustedComment, bool prehashed)
{
    if (trustedComment.contains('\n') || trustedComment.contains('\r'))
        throw TrustedKeys::Malformed(QStringLiteral("comentariul de incredere trebuie sa fie pe o singura linie"));
    PackSignature::Signature s;
    s.prehashed = prehashed;
    s.keyId = key.id;
    const QByteArray message = PackSignature::signedMessage(prehashed, pack);
    crypto_sign_detached(s.signature.data(), nullptr, reinterpret_cast<const unsigned char*>(message.constData()),
                         size_t(message.size()), key.key.data());
    s.trustedComment = trustedComment;
    QByteArray both(reinterpret_cast<const char*>(s.signature.data()), qsizetype(s.signature.size()));
    both += trustedComment;
    crypto_sign_detached(s.commentSignature.data(), nullptr, reinterpret_cast<const unsigned char*>(both.constData()),
                         size_t(both.size()), key.key.data());
    return PackSignature::write(s, "signature from the publisher's secret key");
}

} // namespace PublisherKey
