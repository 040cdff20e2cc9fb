#include "store/StoreError.h"

#include <sqlite3.h>

QString describeStoreFailure(int code, const QString& engineMessage)
{
    QString what;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        what = QStringLiteral("Baza de date este blocata de alt program. Inchideti-l si incercati din nou.");
        break;
    case SQLITE_READONLY:
        what = QStringLiteral("Baza de date poate fi doar citita; modificarea nu a fost salvata.");
        break;
    case SQLITE_CANTOPEN: what = QStringLiteral("Baza de date nu poate fi deschisa."); break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: what = QStringLiteral("Fisierul bazei de date este deteriorat."); break;
    case SQLITE_FULL: what = QStringLiteral("Discul este plin; modificarea nu a fost salvata."); break;
    case SQLITE_IOERR: what = QStringLiteral("Eroare de citire sau scriere a bazei de date."); break;
    case SQLITE_PERM:
    case SQLITE_AUTH: what = QStringLiteral("Accesul la baza de date nu este permis."); break;
    default: what = QStringLiteral("Eroare la baza de date.");
    }
    if (engineMessage.isEmpty())
        return what;
    return what + QStringLiteral(" (") + engineMessage + QStringLiteral(")");
}
