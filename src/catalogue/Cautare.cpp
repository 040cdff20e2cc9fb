#include "catalogue/Cautare.h"

#include "catalogue/SearchChoices.h"
#include "store/SqlLiteral.h"

namespace Cautare {

QString ReplaceChars(QString& text, const QString& set, const QString& replacement)
{
    for (const QChar c : set)
        text.replace(c, replacement, Qt::CaseSensitive);
    return text;
}

QString BuildSearchSql(const QString& actType, const QString& actNumber, const QString& date,
                       const QString& gazetteNumber, const QString& year, const QString& issuer, const QString& keyword)
{
    QString where;
    auto clause = [&where](const char* prefix, const QString& value, const char* suffix) {
        where += QLatin1String(prefix);
        where += SqlLiteral::text(value);
        where += QLatin1String(suffix);
    };
    if (actType != QLatin1String(SearchChoices::kActTypes[0]))
        clause("Tipact = '", actType, "' and ");
    if (!actNumber.isEmpty())
        clause("nract =  '", actNumber, "' and ");
    if (date != QLatin1String("zz-ll-aaaa") && !date.isEmpty())
        clause("DataAparitie = '", date, "' and ");
    if (!gazetteNumber.isEmpty())
        clause("Monitoruloficial = '", gazetteNumber, "' and ");
    if (!year.isEmpty())
        clause("An like '", year, "' and ");
    if (issuer != QLatin1String(SearchChoices::kIssuers[0]))
        clause("Emitent = '", issuer, "' and ");
    if (!keyword.isEmpty())
        clause("Titlu like '*", keyword, "*' and ");

    if (!where.isEmpty()) {
        where.chop(4); // the "and " of the last clause; "' " stays
        where.prepend(QLatin1String("where "));
    }
    return QLatin1String("select * from Acte ") + where;
}

} // namespace Cautare
