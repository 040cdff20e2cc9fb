#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

// The publishers' public keys (Ed25519, in minisign's text form) and the
// strict readers shared by the key and signature files: a file that is not
// exactly in the expected shape is refused, never read half-way.
namespace TrustedKeys {

using KeyId = std::array<unsigned char, 8>;

struct PublicKey {
    KeyId id{};
    std::array<unsigned char, 32> key{};
};

// Why a key or signature file was refused (Romanian, for the user).
class Malformed : public std::runtime_error {
public:
    explicit Malformed(const QString& why) : std::runtime_error(why.toStdString()), reason(why) {}
    QString reason;
};

// The canonical base64 text of exactly `size` bytes, or Malformed.
QByteArray decodeBase64(QByteArrayView text, int size, const QString& what);

// Copies N bytes of `from` at `at` into `to`; callers check the length first.
// (By iterators over a view: no copy of secret bytes is left behind.)
template <size_t N>
void copyBytes(std::array<unsigned char, N>& to, QByteArrayView from, qsizetype at)
{
    const QByteArrayView part = from.sliced(at, qsizetype(N));
    std::copy(part.begin(), part.end(), to.begin());
}
QByteArray encodeBase64(QByteArrayView bytes);

// The id as minisign shows it (16 upper-case hex digits).
QString idText(const KeyId& id);

// One key line ("RWQ..."): the signature scheme "Ed", the id and the key.
PublicKey parseKeyLine(QByteArrayView line);
QByteArray keyLine(const PublicKey& key);

// A keys file: one key line per line; blank lines and lines starting with
// '#' are skipped. Any other line makes the whole file Malformed.
std::vector<PublicKey> parseFile(const QByteArray& text);

// db/trusted-keys of a program folder; Malformed when absent, unreadable,
// malformed or without a key.
std::vector<PublicKey> load(const QString& programDir);
QString filePath(const QString& programDir);

const PublicKey* find(const std::vector<PublicKey>& keys, const KeyId& id);

} // namespace TrustedKeys
