#include "store/SqlDialect.h"

#include "store/JetPattern.h"
#include "store/StoreError.h"

namespace SqlDialect {
namespace {

enum class Tok { Ident, Number, String, Punct, Space };

struct Token {
    Tok kind;
    QString text; // source text, or the unquoted value for strings
};

bool isIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isIdentPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

std::vector<Token> tokenize(const QString& s)
{
    std::vector<Token> out;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            qsizetype j = i;
            while (j < n && s[j].isSpace())
                ++j;
            out.push_back({Tok::Space, QStringLiteral(" ")});
            i = j;
        } else if (c == QLatin1Char('\'')) {
            QString value;
            qsizetype j = i + 1;
            bool closed = false;
            while (j < n) {
                if (s[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                // Copy runs at once: literals may be megabytes long.
                qsizetype k = s.indexOf(QLatin1Char('\''), j);
                if (k < 0)
                    k = n;
                value += QStringView(s).mid(j, k - j);
                j = k;
            }
            if (!closed)
                throw StoreError(QStringLiteral("Instructiune invalida: text neinchis intre apostrofuri."));
            out.push_back({Tok::String, value});
            i = j;
        } else if (c.isDigit() && c.unicode() < 128) {
            qsizetype j = i;
            while (j < n && s[j].unicode() < 128 && s[j].isDigit())
                ++j;
            if (j < n && (isIdentPart(s[j]) || s[j] == QLatin1Char('.'))) {
                // 1.5, 1e3, 12abc: kept verbatim for the engine to judge
                while (j < n && (isIdentPart(s[j]) || s[j] == QLatin1Char('.')))
                    ++j;
                out.push_back({Tok::Punct, s.mid(i, j - i)});
            } else {
                out.push_back({Tok::Number, s.mid(i, j - i)});
            }
            i = j;
        } else if (isIdentStart(c)) {
            qsizetype j = i;
            while (j < n && isIdentPart(s[j]))
                ++j;
            out.push_back({Tok::Ident, s.mid(i, j - i)});
            i = j;
        } else {
            out.push_back({Tok::Punct, QString(c)});
            ++i;
        }
    }
    return out;
}

bool isWord(const Token& t, const char* word)
{
    return t.kind == Tok::Ident && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// Index of the next non-space token at or after i, or size.
size_t nextSolid(const std::vector<Token>& t, size_t i)
{
    while (i < t.size() && t[i].kind == Tok::Space)
        ++i;
    return i;
}

} // namespace

Statement translate(const QString& jetText)
{
    std::vector<Token> toks = tokenize(jetText);

    // One statement only: a `;` may end the text but never start another.
    for (size_t i = 0; i < toks.size(); ++i) {
        if (toks[i].kind == Tok::Punct && toks[i].text == QLatin1String(";")) {
            for (size_t j = i + 1; j < toks.size(); ++j) {
                if (toks[j].kind != Tok::Space && !(toks[j].kind == Tok::Punct && toks[j].text == QLatin1String(";")))
                    throw StoreError(QStringLiteral("Instructiune refuzata: textul contine mai multe instructiuni."));
            }
            toks.resize(i);
            break;
        }
    }

    Statement st;
    QString sql;
    sql.reserve(256);
    // Output is built as pieces so that `X like 'p'` can become jet_like(X, ?).
    std::vector<QString> pieces;
    pieces.reserve(toks.size());
    int lastSolidPiece = -1; // index in pieces of the last non-space token
    int prevSolidPiece = -1; // and the one before it

    auto push = [&](const QString& text, bool solid) {
        pieces.push_back(text);
        if (solid) {
            prevSolidPiece = lastSolidPiece;
            lastSolidPiece = int(pieces.size()) - 1;
        }
    };

    for (size_t i = 0; i < toks.size(); ++i) {
        const Token& t = toks[i];
        if (isWord(t, "delete")) {
            const size_t j = nextSolid(toks, i + 1);
            if (j < toks.size() && toks[j].kind == Tok::Punct && toks[j].text == QLatin1String("*")) {
                const size_t k = nextSolid(toks, j + 1);
                if (k < toks.size() && isWord(toks[k], "from")) {
                    push(t.text, true);
                    i = j; // drop the `*`
                    continue;
                }
            }
        }
        if (isWord(t, "like")) {
            const size_t j = nextSolid(toks, i + 1);
            if (j < toks.size() && toks[j].kind == Tok::String && lastSolidPiece >= 0) {
                const QString& pattern = toks[j].text;
                QString native;
                if (JetPattern::toNativeLike(pattern, native)) {
                    push(QStringLiteral("LIKE ? ESCAPE '\\'"), true);
                    st.params.emplace_back(native);
                } else {
                    // Operand: the last solid piece, with a qualifier `a.` before it.
                    int from = lastSolidPiece;
                    if (prevSolidPiece >= 0 && pieces[size_t(prevSolidPiece)] == QLatin1String(".") &&
                        prevSolidPiece > 0)
                        from = prevSolidPiece - 1;
                    QString operand;
                    for (size_t p = size_t(from); p < pieces.size(); ++p)
                        operand += pieces[p];
                    pieces.resize(size_t(from));
                    lastSolidPiece = prevSolidPiece = -1;
                    push(QStringLiteral("%1(%2, ?)").arg(QLatin1String(kJetLikeFunction), operand), true);
                    st.params.emplace_back(pattern);
                }
                i = j;
                continue;
            }
        }
        switch (t.kind) {
        case Tok::String:
            push(QStringLiteral("?"), true);
            st.params.emplace_back(t.text);
            break;
        case Tok::Number: {
            bool ok = false;
            const qint64 v = t.text.toLongLong(&ok);
            if (ok) {
                push(QStringLiteral("?"), true);
                st.params.emplace_back(v);
            } else {
                push(t.text, true);
            }
            break;
        }
        case Tok::Space: push(t.text, false); break;
        default: push(t.text, true);
        }
    }
    for (const QString& p : pieces)
        sql += p;
    st.sql = sql.toUtf8();
    return st;
}

} // namespace SqlDialect
