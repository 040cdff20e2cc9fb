#include "agenda/EventDate.h"

#include "controls/ShortDate.h"

namespace EventDate {

QString normalised(const ShortDate& dates, const QString& typed)
{
    const QString text = typed.trimmed();
    QDate day = dates.fromText(text);
    if (!day.isValid()) {
        // "5.3.2007" for "dd.MM.yyyy": the short form of the same pattern.
        QString loose = dates.format();
        loose.replace(QStringLiteral("dd"), QStringLiteral("d")).replace(QStringLiteral("MM"), QStringLiteral("M"));
        day = QDate::fromString(text, loose);
    }
    return day.isValid() ? dates.toText(day) : QString();
}

QString badDateMessage(const ShortDate& dates)
{
    QString form = dates.format();
    form.replace(QLatin1Char('d'), QLatin1Char('z')).replace(QLatin1Char('M'), QLatin1Char('l'));
    form.replace(QLatin1Char('y'), QLatin1Char('a'));
    return QStringLiteral("Data nu este corecta. Scrieti data in forma ") + form + QLatin1Char('.');
}

} // namespace EventDate
