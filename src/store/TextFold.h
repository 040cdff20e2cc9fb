#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// Search text the way a Romanian reader compares it: without letter case and
// without diacritics (a with breve or circumflex, i with circumflex, s and t
// with comma or with cedilla below). Every function here is pure.

// One character for one character, so that a position in the folded text is
// the same position in the original.
QString foldRomanian(const QString& text);

namespace TextFold {

// The SQL expression that takes the Romanian diacritics off `column` (upper
// and lower case letters, comma and cedilla forms), built from built-in
// functions only so that the stock sqlite3 shell can run it in triggers.
// Letter case is left to the caller.
QString sqlStripDiacritics(const QString& column);

// The words of a UTF-8 text (runs of letters and digits), folded and reduced
// to their Romanian stems, in order, each stem at most three times, joined
// by single blanks.
std::string stemmedText(std::string_view utf8);

// The distinct stems of the words of `text`, in order of appearance.
std::vector<std::string> stems(const QString& text);

// True when `stemmedText` (as stemmedText() writes it) holds every stem.
bool holdsEveryStem(std::string_view stemmedWords, const std::vector<std::string>& wanted);

// Adds tarvenor_title_has(title, words) and tarvenor_text_has(title, text,
// stems) to a connection: the search's fallbacks while the index is absent or behind.
// Only this program's own statements use them, never the schema.
void registerSqlFunctions(sqlite3* db);

} // namespace TextFold
