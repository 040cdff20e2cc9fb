#include "catalogue/TrustedKeys.h"

#include "store/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace TrustedKeys {

namespace {

// Far above any real list of publishers; keeps a wrong file from being read whole.
constexpr qint64 kMaxFileSize = 1 << 20;

QString lineNote(int line)
{
    return QStringLiteral(" (linia %1)").arg(line);
}

} // namespace

QByteArray decodeBase64(QByteArrayView text, int size, const QString& what)
{
    const auto bad = [&] { return Malformed(QStringLiteral("%1 nu este un text base64 valid").arg(what)); };
    const size_t expectedLength = sodium_base64_encoded_len(size_t(size), sodium_base64_VARIANT_ORIGINAL) - 1;
    if (size_t(text.size()) != expectedLength)
        throw bad();
    QByteArray bytes(size, Qt::Uninitialized);
    size_t got = 0;
    const char* end = nullptr;
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(bytes.data()), size_t(size), text.data(),
                          size_t(text.size()), nullptr, &got, &end, sodium_base64_VARIANT_ORIGINAL) != 0 ||
        got != size_t(size) || end != text.data() + text.size())
        throw bad();
    // Only one text stands for given bytes: unused padding bits must be zero.
    if (encodeBase64(bytes) != text)
        throw bad();
    return bytes;
}

QByteArray encodeBase64(QByteArrayView bytes)
{
    QByteArray text(int(sodium_base64_encoded_len(size_t(bytes.size()), sodium_base64_VARIANT_ORIGINAL)), '\0');
    sodium_bin2base64(text.data(), size_t(text.size()), reinterpret_cast<const unsigned char*>(bytes.data()),
                      size_t(bytes.size()), sodium_base64_VARIANT_ORIGINAL);
    text.chop(1); // the terminating NUL
    return text;
}

QString idText(const KeyId& id)
{
    // Shown as a little-endian number, the way the publisher's tools print it.
    QString text;
    for (auto it = id.rbegin(); it != id.rend(); ++it)
        text += QStringLiteral("%1").arg(unsigned(*it), 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

PublicKey parseKeyLine(QByteArrayView line)
{
    const QByteArray bytes = decodeBase64(line, 42, QStringLiteral("cheia publica"));
    if (!bytes.startsWith("Ed"))
        throw Malformed(QStringLiteral("cheia publica nu este o cheie Ed25519"));
    PublicKey key;
    copyBytes(key.id, bytes, 2);
    copyBytes(key.key, bytes, 10);
    return key;
}

QByteArray keyLine(const PublicKey& key)
{
    QByteArray bytes("Ed");
    bytes.append(reinterpret_cast<const char*>(key.id.data()), qsizetype(key.id.size()));
    bytes.append(reinterpret_cast<const char*>(key.key.data()), qsizetype(key.key.size()));
    return encodeBase64(bytes);
}

std::vector<PublicKey> parseFile(const QByteArray& text)
{
    if (text.contains('\0'))
        throw Malformed(QStringLiteral("fisierul cheilor contine caracterul nul"));
    std::vector<PublicKey> keys;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        PublicKey key;
        try {
            key = parseKeyLine(line);
        } catch (const Malformed& e) {
            throw Malformed(e.reason + lineNote(i + 1));
        }
        const PublicKey* same = find(keys, key.id);
        if (same && same->key != key.key)
            throw Malformed(QStringLiteral("doua chei diferite au acelasi identificator %1").arg(idText(key.id)) +
                            lineNote(i + 1));
        if (!same)
            keys.push_back(key);
    }
    return keys;
}

QString filePath(const QString& programDir)
{
    return DataLocation::configFile(programDir, QStringLiteral("trusted-keys"));
}

std::vector<PublicKey> load(const QString& programDir)
{
    QFile file(filePath(programDir));
    const QString where = QDir::toNativeSeparators(file.fileName());
    if (!file.exists())
        throw Malformed(QStringLiteral("lipseste lista editorilor de incredere (%1)").arg(where));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        throw Malformed(QStringLiteral("lista editorilor de incredere (%1) nu poate fi citita").arg(where));
    const QByteArray text = file.readAll();
    std::vector<PublicKey> keys;
    try {
        keys = parseFile(text);
    } catch (const Malformed& e) {
        throw Malformed(QStringLiteral("lista editorilor de incredere (%1) este deteriorata: ").arg(where) + e.reason);
    }
    if (keys.empty())
        throw Malformed(QStringLiteral("lista editorilor de incredere (%1) nu contine nicio cheie").arg(where));
    return keys;
}

const PublicKey* find(const std::vector<PublicKey>& keys, const KeyId& id)
{
    const auto it = std::find_if(keys.begin(), keys.end(), [&](const PublicKey& k) { return k.id == id; });
    return it == keys.end() ? nullptr : &*it;
}

} // namespace TrustedKeys
