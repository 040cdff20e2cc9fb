#include "agenda/Deadline.h"

#include "agenda/Holidays.h"

namespace Deadline {

Result compute(const QDate& start, int count, Unit unit, Rule rule, const NonWorkingDays& days)
{
    Result r;
    switch (unit) {
    case Unit::Days: r.nominal = start.addDays(count + (rule == Rule::FreeDays ? 1 : 0)); break;
    case Unit::Weeks: r.nominal = start.addDays(7LL * count); break;
    // Qt keeps the day of the month and falls back to the month's last day
    // when it has none, which is the rule for months and years.
    case Unit::Months: r.nominal = start.addMonths(count); break;
    case Unit::Years: r.nominal = start.addYears(count); break;
    }
    r.last = r.nominal;
    r.why = days.reason(r.nominal);
    if (!r.why.isEmpty()) {
        // Holidays and weekends may follow one another (Easter, 1 May, a
        // weekend); no chain is longer than a few days.
        do
            r.last = r.last.addDays(1);
        while (!days.isWorkingDay(r.last));
    }
    return r;
}

QString unitName(Unit unit, int count)
{
    const bool one = count == 1;
    switch (unit) {
    case Unit::Days: return one ? QStringLiteral("zi") : QStringLiteral("zile");
    case Unit::Weeks: return one ? QStringLiteral("saptamana") : QStringLiteral("saptamani");
    case Unit::Months: return one ? QStringLiteral("luna") : QStringLiteral("luni");
    case Unit::Years: return one ? QStringLiteral("an") : QStringLiteral("ani");
    }
    return QString();
}

QString ruleName(Rule rule)
{
    return rule == Rule::FreeDays ? QStringLiteral("zile libere (procedura civila)")
                                  : QStringLiteral("zile calendaristice (cod civil)");
}

bool unitFromWord(const QString& word, Unit& unit)
{
    for (Unit u : {Unit::Days, Unit::Weeks, Unit::Months, Unit::Years}) {
        if (word == unitName(u, 2) || word == unitName(u, 1)) {
            unit = u;
            return true;
        }
    }
    return false;
}

bool ruleFromWord(const QString& word, Rule& rule)
{
    if (word == QLatin1String("libere"))
        rule = Rule::FreeDays;
    else if (word == QLatin1String("calendaristice"))
        rule = Rule::CalendarDays;
    else
        return false;
    return true;
}

QString describe(int count, Unit unit, Rule rule)
{
    QString text = QString::number(count) + QLatin1Char(' ') + unitName(unit, count);
    // The rule only changes a count of days.
    if (unit == Unit::Days)
        text += rule == Rule::FreeDays
                    ? (count == 1 ? QStringLiteral(" libera") : QStringLiteral(" libere"))
                    : (count == 1 ? QStringLiteral(" calendaristica") : QStringLiteral(" calendaristice"));
    return text;
}

} // namespace Deadline
