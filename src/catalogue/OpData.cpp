#include "catalogue/OpData.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace OpData {
namespace {

bool allDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool localeNumber(const QLocale& locale, const QString& text)
{
    bool ok = false;
    const double v = locale.toDouble(text, &ok);
    return ok && std::isfinite(v);
}

} // namespace

bool CheckNumeric(const QString& text)
{
    if (text.isEmpty())
        return true;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    // Long digit runs overflow a double but are still numbers to the user.
    if (allDigits(t))
        return true;
    return localeNumber(QLocale::system(), t) || localeNumber(QLocale::c(), t);
}

QDate parseDate(const QString& text)
{
    const QString t = text.trimmed();
    // Both separators may appear: "/" is turned into "-" before searching.
    QStringList parts;
    QString current;
    for (const QChar c : t) {
        if (c == QLatin1Char('-') || c == QLatin1Char('/')) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    if (parts.size() != 3)
        return {};
    const QString& d = parts[0];
    const QString& m = parts[1];
    const QString& y = parts[2];
    if (!allDigits(d) || !allDigits(m) || !allDigits(y) || d.size() > 2 || m.size() > 2 || y.size() != 4)
        return {};
    const int year = y.toInt();
    if (year < 1)
        return {};
    return QDate(year, m.toInt(), d.toInt()); // invalid for 31-02, 29-02-2005, 00-01
}

bool CheckDate(const QString& text)
{
    if (text.isEmpty())
        return true;
    if (text == QLatin1String("zz-ll-aaaa"))
        return true;
    return parseDate(text).isValid();
}

bool CheckYear(const QString& text)
{
    if (text.isEmpty())
        return true;
    return text.size() == 4 && CheckNumeric(text);
}

QString storedDateForm(const QString& text)
{
    const QDate date = parseDate(text);
    if (!date.isValid())
        return text;
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace OpData
