#pragma once

#include "store/SqlDialect.h"

#include <QString>

// The same statement texts for a PostgreSQL server. The SQLite translation is
// taken as the base (one tokenizer, one set of refusals) and reshaped:
// placeholders become $1, $2..., Jet patterns that SQLite's LIKE cannot take
// become case-insensitive regular expressions, and numbers stay in the text,
// where the tokenizer has already checked that they are plain digits. Letter
// case in names and text comparison is the schema's business (citext columns,
// unquoted lower-case names).
namespace PgDialect {

// Text parameters are QStrings; whole numbers never occur in the result.
SqlDialect::Statement translate(const QString& jetText);

// The Jet pattern as an anchored regular expression for `~*`.
QString jetPatternToRegex(const QString& pattern);

} // namespace PgDialect
