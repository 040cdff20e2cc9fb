#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The short-date text of the user's regional settings, always with a
// four-digit year: a two-digit year would read "31/12/26" back as 1926.
class ShortDate {
public:
    ShortDate(); // the system locale
    explicit ShortDate(const QString& format);

    static QString fourDigitYear(const QString& localeFormat);

    QString toText(const QDate& date) const;
    QDate fromText(const QString& text) const; // invalid when the text is no date
    const QString& format() const { return m_format; }

private:
    QString m_format;
    QLocale m_locale;
};
