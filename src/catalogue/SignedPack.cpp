#include "catalogue/SignedPack.h"

#include "catalogue/PackSignature.h"
#include "catalogue/TrustedKeys.h"
#include "store/SqlLiteral.h"
#include "store/UserError.h"
#include "store/modDB.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include <exception>
#include <future>

namespace SignedPack {

namespace {

// Kept in step with db/schema.sql, which creates it for new catalogues.
const char* const kCreateVersionTable = "CREATE TABLE versiune_catalog (\n"
                                        "  id         integer PRIMARY KEY AUTOINCREMENT,\n"
                                        "  versiune   text NOT NULL,\n"
                                        "  comentariu text NOT NULL,\n"
                                        "  aplicat    text NOT NULL\n"
                                        ")";

[[noreturn]] void untrusted(const QString& why)
{
    throw UserError(QStringLiteral("Pachetul de actualizare nu este semnat de un editor de incredere.\r") + why);
}

bool hasVersionTable(modDB& db)
{
    return db.hasTable(QStringLiteral("versiune_catalog"));
}

} // namespace

QString signaturePath(const QString& packPath)
{
    return packPath + QStringLiteral(".minisig");
}

Publisher check(const QString& programDir, const QString& packPath, const QByteArray& pack)
{
    try {
        const std::vector<TrustedKeys::PublicKey> keys = TrustedKeys::load(programDir);
        QFile file(signaturePath(packPath));
        if (!file.exists())
            untrusted(QStringLiteral("lipseste fisierul de semnatura %1").arg(file.fileName()));
        if (!file.open(QIODevice::ReadOnly))
            untrusted(QStringLiteral("fisierul de semnatura %1 nu poate fi citit").arg(file.fileName()));
        const PackSignature::Signature signature = PackSignature::parse(file.read(64 * 1024));
        const TrustedKeys::PublicKey* key = TrustedKeys::find(keys, signature.keyId);
        if (!key)
            untrusted(QStringLiteral("este semnat cu cheia %1, care nu este in lista editorilor de incredere")
                          .arg(TrustedKeys::idText(signature.keyId)));
        switch (PackSignature::verify(signature, pack, *key)) {
        case PackSignature::Check::WrongPack:
            untrusted(QStringLiteral("semnatura nu corespunde pachetului (pachetul a fost modificat "
                                     "sau semnatura este a altui pachet)"));
        case PackSignature::Check::WrongComment:
            untrusted(QStringLiteral("comentariul de incredere al semnaturii a fost modificat"));
        case PackSignature::Check::Good: break;
        }
        Publisher publisher;
        publisher.comment = QString::fromUtf8(signature.trustedComment);
        publisher.version = versionIn(publisher.comment);
        if (publisher.version.isEmpty())
            untrusted(QStringLiteral("comentariul de incredere nu arata versiunea catalogului (AAAA.LL.ZZ)"));
        return publisher;
    } catch (const TrustedKeys::Malformed& e) {
        untrusted(e.reason);
    }
}

VerifiedPack read(modDB& db, const QString& programDir, const QString& packPath)
{
    const QByteArray raw = UpdatePack::readRaw(packPath);
    std::future<Publisher> signature =
        std::async(std::launch::async | std::launch::deferred, [&] { return check(programDir, packPath, raw); });
    VerifiedPack verified;
    std::exception_ptr textFault;
    try {
        verified.pack = UpdatePack::parse(UpdatePack::decode(UpdatePack::unpack(raw)));
    } catch (...) {
        textFault = std::current_exception();
    }
    verified.publisher = signature.get();
    refuseUnlessNewer(db, verified.publisher.version);
    if (textFault)
        std::rethrow_exception(textFault);
    return verified;
}

QString versionIn(const QString& comment)
{
    static const QRegularExpression word(QStringLiteral("^\\(?([0-9]{4})\\.([0-9]{2})\\.([0-9]{2})[.,;:!?)]*$"));
    for (const QString& w : comment.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = word.match(w);
        if (!m.hasMatch())
            continue;
        // The first such word is the version; a day that does not exist is no version.
        if (!QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()).isValid())
            return {};
        return m.captured(1) + QLatin1Char('.') + m.captured(2) + QLatin1Char('.') + m.captured(3);
    }
    return {};
}

QString currentVersion(modDB& db)
{
    if (!hasVersionTable(db))
        return {};
    db.RunSql(QStringLiteral("select max(versiune) as versiune from versiune_catalog"), true);
    const QString version = db.CurrentRs().Eof() ? QString() : db.CurrentRs().Text(QStringLiteral("versiune"));
    db.CurrentRs().buffer();
    return version;
}

void refuseUnlessNewer(modDB& db, const QString& version)
{
    // YYYY.MM.DD texts sort as the dates they stand for.
    const QString current = currentVersion(db);
    if (!current.isEmpty() && version <= current)
        throw UserError(QStringLiteral("Catalogul este deja la zi fata de acest pachet.\r"
                                       "Versiunea catalogului: %1; versiunea pachetului: %2.")
                            .arg(current, version));
}

void record(modDB& db, const Publisher& publisher)
{
    if (!hasVersionTable(db))
        db.RunSql(QString::fromLatin1(kCreateVersionTable), false);
    db.RunSql(QStringLiteral("insert into versiune_catalog (versiune, comentariu, aplicat) values ('") +
                  SqlLiteral::text(publisher.version) + QStringLiteral("', '") + SqlLiteral::text(publisher.comment) +
                  QStringLiteral("', '") +
                  SqlLiteral::text(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) +
                  QStringLiteral("')"),
              false);
}

} // namespace SignedPack
