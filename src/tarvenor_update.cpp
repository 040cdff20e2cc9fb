// tarvenor-update PACK: the administrator applies a signed update pack to the
// installed catalogue, with the same checks as the program's Update entry.
#include "catalogue/CatalogueAdmin.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString programDir = QCoreApplication::applicationDirPath();
    if (args == QStringList{QStringLiteral("--dupa-instalare")})
        return CatalogueAdmin::afterInstall(programDir, out);
    if (args.size() == 2 && args.at(0) == QStringLiteral("--pregateste-cautarea"))
        return CatalogueAdmin::buildSearchIndex(args.at(1), out);
    if (args.size() != 1 || args.at(0).startsWith(QLatin1Char('-'))) {
        QTextStream(stderr) << "Folosire: tarvenor-update PACHET\n"
                               "Aplica un pachet de actualizare semnat catalogului instalat.\n";
        return 2;
    }
    return CatalogueAdmin::applyPack(programDir, args.at(0), out);
}
