#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

// Romanian legal holidays and the office's own closed days.
namespace Holidays {

// Orthodox Easter Sunday of `year`, as a date of the civil (Gregorian) calendar.
QDate orthodoxEaster(int year);

// The name of the legal holiday on `date`, or an empty text; two feasts on one
// day are both named.
QString legalHoliday(const QDate& date);

} // namespace Holidays

// The days on which no procedural term can end: weekends, legal holidays and
// the days listed in the program folder's db/zile-nelucratoare.
class NonWorkingDays {
public:
    // Reads db/zile-nelucratoare below programDir; an absent file is normal.
    // Lines that cannot be read are skipped and described in problems().
    void load(const QString& programDir);

    // Why `date` is not a working day (holiday name, office day, "Sambata",
    // "Duminica"), or an empty text on a working day.
    QString reason(const QDate& date) const;
    bool isWorkingDay(const QDate& date) const { return reason(date).isEmpty(); }

    // One line per malformed line of the office file, with its number.
    const QStringList& problems() const { return m_problems; }
    // The whole report shown once at start, or an empty text.
    QString problemsMessage() const;

private:
    QMap<QDate, QString> m_office;
    QStringList m_problems;
    QString m_path; // where the office days were read from
};
