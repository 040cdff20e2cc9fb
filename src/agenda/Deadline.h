#pragma once

#include <QDate>
#include <QString>

class NonWorkingDays;

// How a procedural term is counted.
namespace Deadline {

enum class Unit { Days, Weeks, Months, Years };
// Free days (civil procedure): neither the day the term starts nor the day it
// is fulfilled counts. Calendar days (civil code): only the start day is left out.
enum class Rule { FreeDays, CalendarDays };

struct Result {
    QDate nominal; // where the count itself ends
    QDate last;    // the last day to act: nominal, or the next working day
    QString why;   // why nominal is no working day; empty when last == nominal
};

Result compute(const QDate& start, int count, Unit unit, Rule rule, const NonWorkingDays& days);

// The unit and rule names the panel shows, in the order of their enums.
QString unitName(Unit unit, int count);
QString ruleName(Rule rule);
// The text the presets file uses for a unit ("zile", "saptamani", "luni", "ani")
// and a rule ("libere", "calendaristice"); false when the word is none of them.
bool unitFromWord(const QString& word, Unit& unit);
bool ruleFromWord(const QString& word, Rule& rule);

// "30 zile libere", "3 luni": how the term reads in an event's comment.
QString describe(int count, Unit unit, Rule rule);

} // namespace Deadline
