#pragma once

#include <QString>

class QTextStream;

// The administrator's side of the installed catalogue (tarvenor-update). The
// package's catalogue stays as shipped; updates go to a copy in the state
// folder (/var/lib/tarvenor), which every user then reads.
namespace CatalogueAdmin {

// Applies a pack with exactly the checks, signature and transaction of the
// Update entry, writing Romanian progress and the result to `out`. The
// process exit status: 0 only when the pack landed.
int applyPack(const QString& programDir, const QString& packPath, QTextStream& out);

// After the package was installed or upgraded: the updated copy goes when the
// new package's own catalogue is newer, and stays (with its updates) otherwise.
int afterInstall(const QString& programDir, QTextStream& out);

// Builds the search index of a catalogue file (the package's own catalogue
// is indexed when the package is made). 0 on success.
int buildSearchIndex(const QString& databasePath, QTextStream& out);

} // namespace CatalogueAdmin
