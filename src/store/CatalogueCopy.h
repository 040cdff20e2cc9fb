#pragma once

#include <QString>

// The administrator's copy of the installed catalogue, which users read from
// a folder they cannot write.
namespace CatalogueCopy {

// Copies the database `from` to `to` in one step (never seen half-copied),
// readable by everyone and in rollback-journal mode, so that readers need no
// files of their own beside it and see each later update. False on failure.
bool make(const QString& from, const QString& to);

} // namespace CatalogueCopy
