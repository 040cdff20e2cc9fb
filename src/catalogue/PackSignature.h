#pragma once

#include "catalogue/TrustedKeys.h"

#include <QByteArray>
#include <QString>

#include <array>

// A detached signature beside an update pack (PACK.minisig), in minisign's
// layout, so the publisher's stock tools make and check the same files:
//   untrusted comment: <free text, not signed>
//   base64(algorithm "Ed" or "ED", key id, Ed25519 signature of the pack)
//   trusted comment: <text>
//   base64(Ed25519 signature of the pack signature followed by the trusted comment)
// "Ed" signs the pack's bytes, "ED" their BLAKE2b-512 hash.
namespace PackSignature {

struct Signature {
    bool prehashed = true; // "ED"
    TrustedKeys::KeyId keyId{};
    std::array<unsigned char, 64> signature{};
    QByteArray trustedComment; // UTF-8, as signed
    std::array<unsigned char, 64> commentSignature{};
};

// The file's text read strictly; throws TrustedKeys::Malformed.
Signature parse(const QByteArray& fileText);
QByteArray write(const Signature& signature, const QByteArray& untrustedComment);

// What the Ed25519 signature covers for this algorithm.
QByteArray signedMessage(bool prehashed, const QByteArray& pack);

enum class Check { Good, WrongPack, WrongComment };
// Both signatures checked against `key` (the caller matched its id).
Check verify(const Signature& signature, const QByteArray& pack, const TrustedKeys::PublicKey& key);

} // namespace PackSignature
