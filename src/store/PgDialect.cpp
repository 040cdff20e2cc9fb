#include "store/PgDialect.h"

#include "store/StoreError.h"

namespace PgDialect {
namespace {

// Letters and digits stand for themselves; anything else is written escaped,
// which in the server's regular expressions always means the character itself.
void appendLiteral(QString& out, QChar c)
{
    // Half of a surrogate pair is neither, yet the pair must stay whole.
    if (!c.isLetterOrNumber() && !c.isLowSurrogate())
        out += QLatin1Char('\\');
    out += c;
}

// The pattern for ILIKE (ESCAPE '\'), when it uses no digit or set: ILIKE
// stays linear on long patterns, where the regular expression engine does not.
bool jetPatternToLike(const QString& p, QString& out)
{
    out.clear();
    out.reserve(p.size() + 8);
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('#'))
            return false;
        if (c == QLatin1Char('[')) {
            const qsizetype start = i + 1 + (i + 1 < p.size() && p[i + 1] == QLatin1Char('!') ? 1 : 0);
            if (start < p.size() && p.indexOf(QLatin1Char(']'), start + 1) > 0)
                return false;
        }
        if (c == QLatin1Char('*'))
            out += QLatin1Char('%');
        else if (c == QLatin1Char('?'))
            out += QLatin1Char('_');
        else {
            if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
                out += QLatin1Char('\\');
            out += c;
        }
    }
    return true;
}

const QByteArray kJetLike = QByteArray(SqlDialect::kJetLikeFunction) + '(';
const QByteArray kNativeLike = "LIKE ? ";

// Pattern matching on a plain column goes through its text value, so that the
// trigram index over the titles can serve it; case is still ignored (ILIKE,
// ~*). `sql` ends with the operand and one blank, or holds just the operand.
void castOperand(QByteArray& sql)
{
    qsizetype end = sql.size();
    while (end > 0 && sql[end - 1] == ' ')
        --end;
    qsizetype start = end;
    while (start > 0 && (QChar::fromLatin1(sql[start - 1]).isLetterOrNumber() || sql[start - 1] == '_' ||
                         sql[start - 1] == '.' || sql[start - 1] == '$'))
        --start;
    if (start == end || sql[start] == '.' || QChar::fromLatin1(sql[start]).isDigit())
        return;
    sql = sql.left(start) + '(' + sql.mid(start, end - start) + ")::text ";
}

} // namespace

QString jetPatternToRegex(const QString& p)
{
    QString out = QStringLiteral("^");
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('*')) {
            out += QStringLiteral(".*");
            continue;
        }
        if (c == QLatin1Char('?')) {
            out += QLatin1Char('.');
            continue;
        }
        if (c == QLatin1Char('#')) {
            out += QStringLiteral("[0-9]");
            continue;
        }
        if (c == QLatin1Char('[')) {
            // A set: an optional `!`, at least one member, then `]` (a `]`
            // right after the opening is a member). Otherwise `[` is itself.
            const qsizetype start = i + 1 + (i + 1 < p.size() && p[i + 1] == QLatin1Char('!') ? 1 : 0);
            const qsizetype close = start < p.size() ? p.indexOf(QLatin1Char(']'), start + 1) : -1;
            if (close > 0) {
                out += start > i + 1 ? QStringLiteral("[^") : QStringLiteral("[");
                for (qsizetype k = start; k < close; ++k) {
                    const bool range = k + 2 < close && p[k + 1] == QLatin1Char('-');
                    QChar a = p[k], b = p[range ? k + 2 : k];
                    if (b < a)
                        std::swap(a, b);
                    appendLiteral(out, a);
                    if (range) {
                        out += QLatin1Char('-');
                        appendLiteral(out, b);
                        k += 2;
                    }
                }
                out += QLatin1Char(']');
                i = close;
                continue;
            }
        }
        appendLiteral(out, c);
    }
    out += QLatin1Char('$');
    return out;
}

SqlDialect::Statement translate(const QString& jetText)
{
    const SqlDialect::Statement base = SqlDialect::translate(jetText);
    SqlDialect::Statement st;
    const QByteArray& in = base.sql;
    QByteArray out;
    out.reserve(in.size() + 16);
    size_t param = 0;
    auto takeText = [&](bool asRegex) {
        if (param >= base.params.size())
            throw StoreError(QStringLiteral("Instructiune invalida."));
        const SqlDialect::Param& p = base.params[param++];
        if (const auto* n = std::get_if<qint64>(&p)) {
            out += QByteArray::number(*n);
            return;
        }
        const QString& text = std::get<QString>(p);
        st.params.emplace_back(asRegex ? jetPatternToRegex(text) : text);
        out += '$' + QByteArray::number(qulonglong(st.params.size()));
    };
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\'') {
            // The only literals left are the dialect's own (ESCAPE '\').
            const qsizetype end = in.indexOf('\'', i + 1);
            if (end < 0)
                throw StoreError(QStringLiteral("Instructiune invalida: text neinchis intre apostrofuri."));
            out += in.mid(i, end - i + 1);
            i = end;
        } else if (in.mid(i, kNativeLike.size()) == kNativeLike) {
            castOperand(out);
            out += "ILIKE ";
            takeText(false);
            i += 5;
        } else if (in.mid(i, kJetLike.size()) == kJetLike &&
                   (i == 0 || !(QChar::fromLatin1(in[i - 1]).isLetterOrNumber() || in[i - 1] == '_'))) {
            // jet_like(operand, ?) -> (operand ~* $n)
            const qsizetype close = in.indexOf(", ?)", i);
            if (close < 0)
                throw StoreError(QStringLiteral("Instructiune invalida."));
            QByteArray operand = in.mid(i + kJetLike.size(), close - i - kJetLike.size());
            castOperand(operand);
            const QString& pattern = std::get<QString>(base.params.at(param));
            QString like;
            const bool plain = jetPatternToLike(pattern, like);
            out += '(' + operand + (plain ? "ILIKE " : "~* ");
            takeText(!plain);
            if (plain) {
                st.params.back() = like;
                out += " ESCAPE '\\'";
            }
            out += ')';
            i = close + 3;
        } else if (c == '?') {
            takeText(false);
        } else {
            out += c;
        }
    }
    st.sql = out;
    return st;
}

} // namespace PgDialect
