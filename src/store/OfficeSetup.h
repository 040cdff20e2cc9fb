#pragma once

#include <QString>

// Setting up an office database, as the server's superuser: used by
// tools/office and by the tests' own throwaway servers. Each step throws
// StoreError with a message for the administrator.
namespace OfficeSetup {

// Creates the database (UTF-8, so that letter case folds for every
// character) through a connection to `serverConninfo`.
void createDatabase(const QString& serverConninfo, const QString& name);

// Runs the office schema (db/office-schema.sql) on the new database.
void applySchema(const QString& conninfo, const QString& schemaSql);

// Copies the catalogue (Acte, noutati) and the event types from an embedded
// database file into the office database, in one transaction. Returns the
// number of acts.
long long loadCatalogue(const QString& conninfo, const QString& sqlitePath);

// A login role for a lawyer; `admin` also lets it apply catalogue updates.
// An empty password leaves the role to the server's other ways of logging in.
void addUser(const QString& conninfo, const QString& name, bool admin, const QString& password = QString());

} // namespace OfficeSetup
