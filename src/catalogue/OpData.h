#pragma once

#include <QDate>
#include <QString>

// The input checks of the search panel. Each takes the text as typed and
// never changes it; an empty text is always acceptable.
namespace OpData {

// A number as the user writes it: plain digits, or a number in the user's
// locale (sign, decimal separator, exponent).
bool CheckNumeric(const QString& text);

// Empty, the placeholder "zz-ll-aaaa", or a real calendar date written
// day-month-year with "-" or "/" (one or two digits for day and month, four
// for the year).
bool CheckDate(const QString& text);

// Empty, or exactly four characters that pass CheckNumeric.
bool CheckYear(const QString& text);

// The calendar date of a day-month-year text; invalid when it is none.
QDate parseDate(const QString& text);

// The form in which the catalogue stores dates, "dd-mm-yyyy", for a text that
// passes as a date; any other text comes back unchanged.
QString storedDateForm(const QString& text);

} // namespace OpData
