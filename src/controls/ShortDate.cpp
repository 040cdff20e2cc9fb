#include "controls/ShortDate.h"

namespace {

// A machine without regional settings (the C locale) gets the Romanian form
// rather than the C locale's "8 Dec 2026".
QLocale regionalLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::Romanian, QLocale::Romania) : system;
}

} // namespace

ShortDate::ShortDate() : ShortDate(fourDigitYear(regionalLocale().dateFormat(QLocale::ShortFormat)))
{
    m_locale = regionalLocale();
}

ShortDate::ShortDate(const QString& format) : m_format(format), m_locale(QLocale::c()) {}

QString ShortDate::fourDigitYear(const QString& localeFormat)
{
    QString out;
    const qsizetype n = localeFormat.size();
    bool sawYear = false;
    for (qsizetype i = 0; i < n;) {
        const QChar c = localeFormat[i];
        if (c == QLatin1Char('\'')) {
            // quoted literal text is copied as it stands
            qsizetype j = i + 1;
            while (j < n && localeFormat[j] != QLatin1Char('\''))
                ++j;
            out += localeFormat.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char('y')) {
            qsizetype j = i;
            while (j < n && localeFormat[j] == QLatin1Char('y'))
                ++j;
            out += QStringLiteral("yyyy");
            sawYear = true;
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    if (!sawYear || !out.contains(QLatin1Char('d')) || !out.contains(QLatin1Char('M')))
        return QStringLiteral("dd.MM.yyyy");
    return out;
}

QString ShortDate::toText(const QDate& date) const
{
    return m_locale.toString(date, m_format);
}

QDate ShortDate::fromText(const QString& text) const
{
    return m_locale.toDate(text, m_format);
}
