#include "store/DataLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace DataLocation {
namespace {

QString fromEnv(const char* name, const QString& fallback)
{
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? fallback : v;
}

} // namespace

bool isInstalled(const QString& programDir)
{
    return QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("db/installed")));
}

QString userDataFolder()
{
    const QString base = fromEnv("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    return base + QStringLiteral("/tarvenor");
}

QString shippedCatalogue(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("db/database.sqlite"));
}

QString updatedCatalogue()
{
    return fromEnv("TARVENOR_STATE_DIR", QStringLiteral("/var/lib/tarvenor")) + QStringLiteral("/database.sqlite");
}

QString configFile(const QString& programDir, const QString& name)
{
    if (isInstalled(programDir))
        return fromEnv("TARVENOR_CONFIG_DIR", QStringLiteral("/etc/tarvenor")) + QLatin1Char('/') + name;
    return QDir(programDir).filePath(QStringLiteral("db/") + name);
}

QByteArray sqliteUri(const QString& path)
{
    return QByteArrayLiteral("file:") + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/");
}

Files locate(const QString& programDir)
{
    if (!isInstalled(programDir))
        return {shippedCatalogue(programDir), QString()};
    // tarvenor-update keeps its copy only while it is at least as new as the
    // shipped one (a newer package replaces it), so its presence decides.
    const QString updated = updatedCatalogue();
    const QString catalogue = QFileInfo::exists(updated) ? updated : shippedCatalogue(programDir);
    return {catalogue, userDataFolder() + QStringLiteral("/user.sqlite")};
}

} // namespace DataLocation
