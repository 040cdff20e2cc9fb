// Writes a catalogue update pack from a catalogue database, for a publisher
// preparing the monthly update:
//   make_update_pack CATALOGUE.sqlite OUT.sql[.gz] [--acts-above N] [--news-above M] [--name TEXT]
//                    [--key SECRET.key --version YYYY.MM.DD [--comment TEXT] [--password-file FILE] [--legacy]]
// Without limits every act and news item goes into the pack. With a key the
// pack is signed into OUT.minisig (the program refuses unsigned packs); the
// key is a minisign secret key, plain or password-protected (the password is
// read from --password-file, else from the first line of standard input).

#include "catalogue/PublisherKey.h"
#include "catalogue/SignedPack.h"
#include "catalogue/UpdatePack.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace {

QString column(sqlite3_stmt* stmt, int i)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)) : QString();
}

struct Signing {
    QString keyPath, version, comment, passwordFile;
    bool legacy = false;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

// Signs the written pack file as it lies on disk; false on failure, with the reason printed.
bool signPack(const QString& packPath, const Signing& how)
{
    const QString trusted = QString(QStringLiteral("Catalogul Tarvenor, versiunea ") + how.version +
                                    (how.comment.isEmpty() ? QString() : QStringLiteral(": ") + how.comment))
                                .simplified();
    if (SignedPack::versionIn(trusted) != how.version) {
        std::fprintf(stderr, "--version must be a calendar day written YYYY.MM.DD\n");
        return false;
    }
    try {
        const QByteArray keyText = readAll(how.keyPath);
        QByteArray password;
        if (PublisherKey::needsPassword(keyText)) {
            if (!how.passwordFile.isEmpty()) {
                password = readAll(how.passwordFile).split('\n').value(0);
            } else {
                std::fprintf(stderr, "password for %s: ", qPrintable(how.keyPath));
                char line[1024] = {};
                if (std::fgets(line, sizeof line, stdin))
                    password = QByteArray(line).split('\n').value(0);
            }
            if (password.endsWith('\r'))
                password.chop(1);
        }
        const PublisherKey::SecretKey key = PublisherKey::read(keyText, password);
        const QByteArray signature = PublisherKey::sign(key, readAll(packPath), trusted.toUtf8(), !how.legacy);
        QFile out(SignedPack::signaturePath(packPath));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(signature) != signature.size() ||
            !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
            return false;
        }
        std::printf("signed with key %s into %s\ntrusted comment: %s\n", qPrintable(TrustedKeys::idText(key.id)),
                    qPrintable(out.fileName()), qPrintable(trusted));
        return true;
    } catch (const TrustedKeys::Malformed& e) {
        std::fprintf(stderr, "cannot sign: %s\n", qPrintable(e.reason));
        return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString in, out, name;
    qint64 actsAbove = 0, newsAbove = 0;
    Signing signing;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--acts-above") && hasValue)
            actsAbove = args[++i].toLongLong();
        else if (a == QLatin1String("--news-above") && hasValue)
            newsAbove = args[++i].toLongLong();
        else if (a == QLatin1String("--name") && hasValue)
            name = args[++i];
        else if (a == QLatin1String("--key") && hasValue)
            signing.keyPath = args[++i];
        else if (a == QLatin1String("--version") && hasValue)
            signing.version = args[++i];
        else if (a == QLatin1String("--comment") && hasValue)
            signing.comment = args[++i];
        else if (a == QLatin1String("--password-file") && hasValue)
            signing.passwordFile = args[++i];
        else if (a == QLatin1String("--legacy"))
            signing.legacy = true;
        else if (in.isEmpty())
            in = a;
        else if (out.isEmpty())
            out = a;
        else {
            std::fprintf(stderr, "unknown argument: %s\n", qPrintable(a));
            return 2;
        }
    }
    if (in.isEmpty() || out.isEmpty() || signing.keyPath.isEmpty() != signing.version.isEmpty()) {
        std::fprintf(stderr, "usage: make_update_pack CATALOGUE.sqlite OUT.sql[.gz] [--acts-above N] "
                             "[--news-above M] [--name TEXT]\n"
                             "       [--key SECRET.key --version YYYY.MM.DD [--comment TEXT] "
                             "[--password-file FILE] [--legacy]]\n");
        return 2;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(in).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(in), sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    QByteArray pack;
    if (!name.isEmpty())
        pack += "-- " + name.simplified().toUtf8() + "\n";
    int acts = 0, news = 0;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "select ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, Continut, nract "
                       "from Acte where ID > ? order by ID",
                       -1, &stmt, nullptr);
    sqlite3_bind_int64(stmt, 1, actsAbove);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        UpdatePack::Act a;
        a.id = sqlite3_column_int64(stmt, 0);
        a.titlu = column(stmt, 1);
        a.an = column(stmt, 2);
        a.dataAparitie = column(stmt, 3);
        a.monitoruloficial = column(stmt, 4);
        a.emitent = column(stmt, 5);
        a.tipact = column(stmt, 6);
        a.continut = column(stmt, 7);
        a.nract = column(stmt, 8);
        pack += UpdatePack::actStatement(a).toUtf8() + ";\n";
        ++acts;
    }
    sqlite3_finalize(stmt);
    sqlite3_prepare_v2(db, "select id, titlu, link from noutati where id > ? order by id", -1, &stmt, nullptr);
    sqlite3_bind_int64(stmt, 1, newsAbove);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        UpdatePack::News n;
        n.id = sqlite3_column_int64(stmt, 0);
        n.titlu = column(stmt, 1);
        n.link = sqlite3_column_int64(stmt, 2);
        pack += UpdatePack::newsStatement(n).toUtf8() + ";\n";
        ++news;
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!UpdatePack::writeFile(out, pack)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%d acts and %d news items written to %s (%.1f MB of text)\n", acts, news, qPrintable(out),
                double(pack.size()) / 1e6);
    if (signing.keyPath.isEmpty()) {
        std::printf("not signed: the program refuses a pack without %s\n", qPrintable(SignedPack::signaturePath(out)));
        return 0;
    }
    return signPack(out, signing) ? 0 : 1;
}
