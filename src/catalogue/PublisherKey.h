#pragma once

#include "catalogue/PackSignature.h"
#include "catalogue/TrustedKeys.h"

#include <QByteArray>
#include <QList>

#include <array>

// A publisher's secret key file in minisign's layout, plain or protected by a
// password (scrypt), so keys made by `minisign -G` sign our packs as they are:
//   untrusted comment: <text>
//   base64("Ed", kdf "Sc" or two zero bytes, "B2", salt[32], opslimit, memlimit
//          (64-bit little-endian), then key id[8] + secret key[64] + BLAKE2b-256
//          checksum[32], the last 104 bytes XORed with the scrypt stream)
namespace PublisherKey {

struct SecretKey {
    TrustedKeys::KeyId id{};
    std::array<unsigned char, 64> key{}; // Ed25519: seed followed by the public key
    TrustedKeys::PublicKey publicKey() const;
};

// True when the file's key asks for a password. Throws TrustedKeys::Malformed.
bool needsPassword(const QByteArray& fileText);
// The key; throws TrustedKeys::Malformed for a malformed file or a wrong password.
SecretKey read(const QByteArray& fileText, const QByteArray& password = {});

// The signature file's text for `pack`.
QByteArray sign(const SecretKey& key, const QByteArray& pack, const QByteArray& trustedComment, bool prehashed = true);

} // namespace PublisherKey
