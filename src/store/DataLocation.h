#pragma once

#include <QByteArray>
#include <QString>

// Where the program's data lives. The portable form keeps everything in
// db/database.sqlite below the program folder. The installed form (the
// package's marker db/installed) never writes the program folder: the
// catalogue is read from there (or from the administrator's updated copy)
// and each user's own tables live in their home.
namespace DataLocation {

struct Files {
    QString database;     // the catalogue, or the whole database in the portable form
    QString userDatabase; // empty in the portable form
};

bool isInstalled(const QString& programDir);
Files locate(const QString& programDir);

// $XDG_DATA_HOME/tarvenor (default ~/.local/share/tarvenor).
QString userDataFolder();
// The catalogue as the package ships it, and the copy that the administrator's
// updates write (/var/lib/tarvenor; TARVENOR_STATE_DIR moves it for tests).
QString shippedCatalogue(const QString& programDir);
QString updatedCatalogue();
// A file the administrator edits: /etc/tarvenor/NAME in the installed form
// (TARVENOR_CONFIG_DIR moves it for tests), db/NAME beside the program otherwise.
QString configFile(const QString& programDir, const QString& name);

// The engine's URI form of a file path ("file:/..."), so query parameters such
// as "?mode=ro" can follow; characters of the path are percent-encoded.
QByteArray sqliteUri(const QString& path);

} // namespace DataLocation
