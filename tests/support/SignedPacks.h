#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {

// The demo publisher's TEST key (tests/keys/), whose public half the build
// lists in db/trusted-keys; never a real publisher's key.
QString testKeyPath(bool withPassword = false);
inline const char* kTestKeyPassword = "parola de test";

// The trusted comment a publisher writes for a catalogue version.
QByteArray versionComment(const QString& version = QStringLiteral("2026.12.07"));

// Writes PACK.minisig beside `packPath`, signed with the test key.
void signPack(const QString& packPath, const QByteArray& trustedComment = versionComment());

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace testsupport
