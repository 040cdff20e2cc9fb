#include "agenda/Holidays.h"

#include "store/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace Holidays {

QDate orthodoxEaster(int year)
{
    // Gauss's rule for the Julian calendar: the Paschal full moon falls d days
    // after 21 March (old style) and Easter e days after it.
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
    // Old-style dates run behind the civil calendar by the century leap days
    // the Julian calendar keeps (13 days from 1900 to 2099).
    const int drift = year / 100 - year / 400 - 2;
    return QDate(year, 3, 22).addDays(d + e + drift);
}

namespace {

struct Fixed {
    int month;
    int day;
    int fromYear;
    const char* name;
};

const Fixed kFixed[] = {
    {1, 1, 0, "Anul Nou"},
    {1, 2, 0, "A doua zi de Anul Nou"},
    {1, 6, 2024, "Boboteaza"},
    {1, 7, 2024, "Sf. Ioan Botezatorul"},
    {1, 24, 2017, "Ziua Unirii Principatelor Romane"},
    {5, 1, 0, "Ziua Muncii"},
    {6, 1, 2017, "Ziua Copilului"},
    {8, 15, 0, "Adormirea Maicii Domnului"},
    {11, 30, 2012, "Sf. Andrei"},
    {12, 1, 0, "Ziua Nationala a Romaniei"},
    {12, 25, 0, "Craciunul"},
    {12, 26, 0, "A doua zi de Craciun"},
};

struct Movable {
    int daysFromEaster;
    int fromYear;
    const char* name;
};

const Movable kMovable[] = {
    {-2, 2018, "Vinerea Mare"},      {0, 0, "Pastele"}, {1, 0, "A doua zi de Paste"}, {49, 0, "Rusaliile"},
    {50, 0, "A doua zi de Rusalii"},
};

} // namespace

QString legalHoliday(const QDate& date)
{
    if (!date.isValid())
        return QString();
    QStringList names;
    const int year = date.year();
    for (const Fixed& f : kFixed) {
        if (year >= f.fromYear && date.month() == f.month && date.day() == f.day)
            names << QString::fromLatin1(f.name);
    }
    const qint64 fromEaster = orthodoxEaster(year).daysTo(date);
    for (const Movable& m : kMovable) {
        if (year >= m.fromYear && fromEaster == m.daysFromEaster)
            names << QString::fromLatin1(m.name);
    }
    return names.join(QStringLiteral(", "));
}

} // namespace Holidays

void NonWorkingDays::load(const QString& programDir)
{
    m_office.clear();
    m_problems.clear();
    m_path = DataLocation::configFile(programDir, QStringLiteral("zile-nelucratoare"));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return; // no office days: only the legal ones
    static const QRegularExpression line(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:\\s+(.*))?$"));
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        QString text = QString::fromUtf8(file.readLine()).trimmed();
        if (number == 1 && text.startsWith(QChar(0xFEFF))) // saved by a Windows editor
            text = text.mid(1).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch m = line.match(text);
        const QDate date =
            m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()) : QDate();
        if (!date.isValid()) {
            m_problems << QStringLiteral("linia %1: \"%2\"").arg(number).arg(text);
            continue;
        }
        const QString name = m.captured(4).trimmed();
        m_office.insert(date, name.isEmpty() ? QStringLiteral("Zi nelucratoare") : name);
    }
}

QString NonWorkingDays::problemsMessage() const
{
    if (m_problems.isEmpty())
        return QString();
    return QStringLiteral("Fisierul %1 are randuri gresite, care nu au fost luate in seama "
                          "(se asteapta AAAA-LL-ZZ nume):\r")
               .arg(QDir::toNativeSeparators(m_path)) +
           m_problems.join(QLatin1Char('\r'));
}

QString NonWorkingDays::reason(const QDate& date) const
{
    if (!date.isValid())
        return QString();
    QString why = Holidays::legalHoliday(date);
    const auto office = m_office.constFind(date);
    if (office != m_office.constEnd() && !why.contains(*office))
        why = why.isEmpty() ? *office : why + QStringLiteral(", ") + *office;
    if (!why.isEmpty())
        return why;
    switch (date.dayOfWeek()) {
    case Qt::Saturday: return QStringLiteral("Sambata");
    case Qt::Sunday: return QStringLiteral("Duminica");
    default: return QString();
    }
}
