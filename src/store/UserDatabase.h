#pragma once

#include <QString>

// Each user's own database in the installed form: favourites, recent acts,
// agenda and event types, made at the first start from the user part of the
// schema with the catalogue's event types.
namespace UserDatabase {

// The schema text between its user-tables markers.
QString userPart(const QString& schema);

// Creates `path` when it does not exist yet; a half-made file is never left
// in its place. Throws StoreError with the user's message.
void ensure(const QString& path, const QString& schemaPath, const QString& cataloguePath);

} // namespace UserDatabase
