#include "catalogue/ActStructure.h"

#include <QRegularExpression>

namespace ActStructure {
namespace {

// A heading line is short; a longer line is an article that starts with its
// text, so only its opening ("Art. 41. -") is set in bold.
constexpr qsizetype kWholeLineLimit = 160;
// An article's line usually goes on with its text ("Art. 2. - (1) ..."); only
// a short one is a heading of its own ("Art. 41^1 Salariul minim").
constexpr qsizetype kWholeArticleLimit = 60;
constexpr qsizetype kLabelLimit = 90;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QChar(0x2029);
}

// Lower case without diacritics, for the opening words only.
char16_t fold(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return char16_t(u + 32);
    switch (u) {
    case u'ț':
    case u'Ț':
    case u'ţ':
    case u'Ţ': return u't';
    default: return u;
    }
}

// The length of `word` at `at` when the text there spells it (any case), else 0.
qsizetype spells(const QString& text, qsizetype at, const char* word)
{
    qsizetype i = 0;
    for (; word[i]; ++i)
        if (at + i >= text.size() || fold(text.at(at + i)) != char16_t(word[i]))
            return 0;
    return i;
}

struct Opening {
    const char* word;
    Heading::Kind kind;
};
const Opening kOpenings[] = {{"titlul", Heading::Title},      {"capitolul", Heading::Chapter},
                             {"sectiunea", Heading::Section}, {"anexa", Heading::Annex},
                             {"articolul", Heading::Article}, {"art.", Heading::Article}};

QString compactNumber(QString n)
{
    n.remove(QLatin1Char(' '));
    n.remove(QLatin1Char('\t'));
    return n.toUpper();
}

} // namespace

std::vector<Heading> headings(const QString& text)
{
    std::vector<Heading> out;
    const qsizetype n = text.size();
    for (qsizetype line = 0; line < n;) {
        qsizetype lineEnd = line;
        while (lineEnd < n && !isLineEnd(text.at(lineEnd)))
            ++lineEnd;
        const qsizetype next = lineEnd + 1;
        qsizetype at = line;
        while (at < lineEnd && isBlank(text.at(at)))
            ++at;
        qsizetype wordLength = 0;
        Heading h;
        for (const Opening& o : kOpenings) {
            if ((wordLength = spells(text, at, o.word)) > 0) {
                h.kind = o.kind;
                break;
            }
        }
        if (wordLength == 0) {
            line = next;
            continue;
        }
        qsizetype p = at + wordLength;
        const qsizetype afterWord = p;
        while (p < lineEnd && isBlank(text.at(p)))
            ++p;
        if (qsizetype nr = spells(text, p, "nr.")) {
            p += nr;
            while (p < lineEnd && isBlank(text.at(p)))
                ++p;
        }
        // A word ending in a letter needs a blank before its number.
        if (p == afterWord && text.at(p - 1) != QLatin1Char('.')) {
            line = next;
            continue;
        }
        // "Sectiunea a 2-a": the ordinal's "a" before the number.
        if (p + 2 < lineEnd && fold(text.at(p)) == u'a' && isBlank(text.at(p + 1))) {
            qsizetype q = p + 1;
            while (q < lineEnd && isBlank(text.at(q)))
                ++q;
            if (q < lineEnd && isDigit(text.at(q)))
                p = q;
        }
        const qsizetype numberStart = p;
        if (p < lineEnd && isDigit(text.at(p))) {
            while (p < lineEnd && isDigit(text.at(p)))
                ++p;
            qsizetype q = p;
            while (q < lineEnd && isBlank(text.at(q)))
                ++q;
            if (q < lineEnd && text.at(q) == QLatin1Char('^')) {
                ++q;
                while (q < lineEnd && isBlank(text.at(q)))
                    ++q;
                if (q < lineEnd && isDigit(text.at(q))) {
                    while (q < lineEnd && isDigit(text.at(q)))
                        ++q;
                    p = q;
                }
            }
        } else {
            while (p < lineEnd && QStringLiteral("ivxlcdmIVXLCDM").contains(text.at(p)))
                ++p;
        }
        const qsizetype numberEnd = p;
        if (p + 1 < lineEnd && text.at(p) == QLatin1Char('-') && fold(text.at(p + 1)) == u'a')
            p += 2; // "2-a"
        // The number ends the word: not "Art. 2a", not "art. c)" of a list.
        if (p == numberStart || (p < lineEnd && (text.at(p).isLetterOrNumber() || text.at(p) == QLatin1Char(')')))) {
            line = next;
            continue;
        }
        h.number = compactNumber(text.mid(numberStart, numberEnd - numberStart));
        h.start = at;
        qsizetype end = lineEnd;
        while (end > at && text.at(end - 1).isSpace())
            --end;
        if (end - at <= (h.kind == Heading::Article ? kWholeArticleLimit : kWholeLineLimit)) {
            h.length = end - at;
        } else {
            while (p < lineEnd && QStringLiteral(".-\u2013 ").contains(text.at(p)))
                ++p;
            while (p > numberStart && text.at(p - 1) == QLatin1Char(' '))
                --p;
            h.length = p - at;
        }
        const QString whole = text.mid(at, end - at);
        h.label = whole.size() <= kLabelLimit ? whole : whole.left(kLabelLimit - 3).trimmed() + QStringLiteral("...");
        out.push_back(std::move(h));
        line = next;
    }
    return out;
}

QString articleNumber(const QString& typed)
{
    static const QRegularExpression re(QStringLiteral("(\\d+(?:\\s*\\^\\s*\\d+)?)"));
    const QRegularExpressionMatch m = re.match(typed);
    return m.hasMatch() ? compactNumber(m.captured(1)) : QString();
}

const Heading* findArticle(const std::vector<Heading>& list, const QString& number)
{
    const QString wanted = articleNumber(number);
    if (wanted.isEmpty())
        return nullptr;
    for (const Heading& h : list)
        if (h.kind == Heading::Article && h.number == wanted)
            return &h;
    return nullptr;
}

} // namespace ActStructure
