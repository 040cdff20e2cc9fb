#include "store/CatalogueCopy.h"

#include <QFile>
#include <sqlite3.h>

#include <cstdio>

namespace CatalogueCopy {

bool make(const QString& from, const QString& to)
{
    const QString temp = to + QStringLiteral(".new");
    QFile::remove(temp);
    if (!QFile::copy(from, temp))
        return false;
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(temp).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = sqlite3_close(db) == SQLITE_OK && ok;
    ok = ok && QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ReadOther);
    ok = ok && std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(to).constData()) == 0;
    if (!ok)
        QFile::remove(temp);
    return ok;
}

} // namespace CatalogueCopy
