// Sets up an office database on a PostgreSQL server and adds lawyers to it.
// The server and the superuser come from libpq's usual sources (PGHOST,
// PGUSER, ~/.pgpass, ...); the office database is named by --db (tarvenor).
//
//   office create [--db NAME] [--catalogue FILE.sqlite] [--schema office-schema.sql]
//   office add-user NAME [--admin] [--password] [--db NAME]   (--password: read from standard input)
#include "store/OfficeSetup.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "folosire:\n"
                         "  office create [--db NUME] [--catalogue FISIER.sqlite] [--schema office-schema.sql]\n"
                         "  office add-user NUME [--admin] [--password] [--db NUME]\n");
    return 2;
}

QString conninfoFor(const QString& db)
{
    return QStringLiteral("dbname='%1'")
        .arg(QString(db)
                 .replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                 .replace(QLatin1Char('\''), QStringLiteral("\\'")));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    QString db = QStringLiteral("tarvenor");
    QString catalogue = QDir(app.applicationDirPath()).filePath(QStringLiteral("../db/database.sqlite"));
    QString schema = QStringLiteral(TARVENOR_SOURCE_DIR "/db/office-schema.sql");
    QString name;
    bool admin = false, askPassword = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--db") && hasValue)
            db = args[++i];
        else if (a == QLatin1String("--catalogue") && hasValue)
            catalogue = args[++i];
        else if (a == QLatin1String("--schema") && hasValue)
            schema = args[++i];
        else if (a == QLatin1String("--admin"))
            admin = true;
        else if (a == QLatin1String("--password"))
            askPassword = true;
        else if (!a.startsWith(QLatin1String("--")) && name.isEmpty())
            name = a;
        else
            return usage();
    }
    try {
        if (command == QLatin1String("create")) {
            QFile file(schema);
            if (!file.open(QIODevice::ReadOnly))
                throw StoreError(QStringLiteral("Schema %1 nu poate fi citita.").arg(schema));
            OfficeSetup::createDatabase(conninfoFor(QStringLiteral("postgres")), db);
            OfficeSetup::applySchema(conninfoFor(db), QString::fromUtf8(file.readAll()));
            const long long acts = OfficeSetup::loadCatalogue(conninfoFor(db), catalogue);
            std::printf("Baza de date %s a fost creata; catalogul are %lld acte.\n", qPrintable(db), acts);
        } else if (command == QLatin1String("add-user") && !name.isEmpty()) {
            QString password;
            if (askPassword)
                password = QTextStream(stdin).readLine();
            OfficeSetup::addUser(conninfoFor(db), name, admin, password);
            std::printf("Utilizatorul %s poate folosi baza de date %s%s.\n", qPrintable(name), qPrintable(db),
                        admin ? " si actualiza catalogul" : "");
        } else {
            return usage();
        }
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
