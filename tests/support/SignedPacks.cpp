#include "support/SignedPacks.h"

#include "catalogue/PublisherKey.h"
#include "catalogue/SignedPack.h"

#include <QFile>

#include <stdexcept>

namespace testsupport {

QString testKeyPath(bool withPassword)
{
    return withPassword ? QStringLiteral(TARVENOR_SOURCE_DIR "/tests/keys/demo-publisher-password.test.key")
                        : QStringLiteral(TARVENOR_SOURCE_DIR "/tests/keys/demo-publisher.test.key");
}

QByteArray versionComment(const QString& version)
{
    return "Catalogul Tarvenor, versiunea " + version.toUtf8();
}

void signPack(const QString& packPath, const QByteArray& trustedComment)
{
    const PublisherKey::SecretKey key = PublisherKey::read(readBytes(testKeyPath()));
    writeBytes(SignedPack::signaturePath(packPath), PublisherKey::sign(key, readBytes(packPath), trustedComment));
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace testsupport
