#pragma once

#include <QString>

class ListView;

// The events of a day in the order a day is read: hours that read as a time
// first, earliest first, then the hours typed as free text, as entered.
namespace EventOrder {

// Minutes after midnight of an hour typed as H:MM, HH:MM, H.MM, HH.MM, H or HH;
// -1 when the text is no time of day.
int minutesOf(const QString& hour);

// Reorders the rows of a filled day view; rows that compare equal keep the
// order in which they were entered (their ids).
void sortByHour(ListView& view);

} // namespace EventOrder
