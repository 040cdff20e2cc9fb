#include "store/SqlLiteral.h"

#include "store/StoreError.h"

namespace SqlLiteral {

QString text(const QString& value)
{
    // Most texts hold no quote; the plain character search is much faster
    // than the general replace on long bodies.
    if (!value.contains(QLatin1Char('\'')))
        return value;
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

bool isWholeNumber(const QString& value)
{
    int i = 0;
    if (!value.isEmpty() && (value[0] == QLatin1Char('-') || value[0] == QLatin1Char('+')))
        i = 1;
    if (i >= value.size() || value.size() - i > 18)
        return false;
    for (; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString id(const QString& value)
{
    if (!isWholeNumber(value))
        throw StoreError(QStringLiteral("Identificator invalid: \"%1\".").arg(value.left(40)));
    return value;
}

} // namespace SqlLiteral
