#pragma once

#include <QString>

// Text work of the search: character replacement and the search statement.
namespace Cautare {

// Replaces every occurrence of each single character of `set`, one character
// after the other, by `replacement`; stores the result in `text` and returns it.
QString ReplaceChars(QString& text, const QString& set, const QString& replacement);

// The search statement over Acte for the seven criteria, in this order. Values
// go in as they are typed, made safe for their quoted literal.
QString BuildSearchSql(const QString& actType, const QString& actNumber, const QString& date,
                       const QString& gazetteNumber, const QString& year, const QString& issuer,
                       const QString& keyword);

} // namespace Cautare
