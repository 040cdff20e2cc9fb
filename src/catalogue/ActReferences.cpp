#include "catalogue/ActReferences.h"

#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace ActReferences {
namespace {

// Lower case without diacritics, one character for one.
char16_t fold(QChar c)
{
    char16_t u = c.unicode();
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
    switch (u) {
    case u'ă':
    case u'Ă':
    case u'â':
    case u'Â': return u'a';
    case u'î':
    case u'Î': return u'i';
    case u'ș':
    case u'Ș':
    case u'ş':
    case u'Ş': return u's';
    case u'ț':
    case u'Ț':
    case u'ţ':
    case u'Ţ': return u't';
    default: return c.toLower().unicode();
    }
}

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QChar(0x00A0) ||
           c == QChar(0x2029);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isWordChar(QChar c)
{
    return c.isLetter() || c == QLatin1Char('.') || c == QLatin1Char('-');
}

// A word read backwards from the number, by its place in the text.
struct Word {
    qsizetype start = 0;
    qsizetype end = 0;
};

// Whether the word spells `form` (lower case, no diacritics).
bool is(const QString& text, const Word& w, const char* form)
{
    qsizetype i = w.start;
    for (; *form; ++form, ++i)
        if (i >= w.end || fold(text.at(i)) != char16_t(*form))
            return false;
    return i == w.end;
}

bool isAny(const QString& text, const Word& w, std::initializer_list<const char*> forms)
{
    for (const char* f : forms)
        if (is(text, w, f))
            return true;
    return false;
}

// Up to `count` words before `end`, nearest first. Commas may separate the
// words of an issuer's name; anything else (digits, brackets, semicolons)
// ends the phrase.
void wordsBefore(const QString& text, qsizetype end, std::size_t count, std::vector<Word>& words)
{
    words.clear();
    qsizetype p = end;
    while (words.size() < count) {
        qsizetype gap = p;
        while (gap > 0 && (isSpace(text.at(gap - 1)) || text.at(gap - 1) == QLatin1Char(',')))
            --gap;
        if (gap == p && !words.empty())
            break;
        qsizetype b = gap;
        while (b > 0 && isWordChar(text.at(b - 1)))
            --b;
        if (b == gap || (b > 0 && isDigit(text.at(b - 1))))
            break;
        words.push_back({b, gap});
        p = b;
    }
}

const std::initializer_list<const char*> kLaw = {"legea", "legii", "legile", "legilor", "legea-cadru", "legii-cadru"};
const std::initializer_list<const char*> kOrdinance = {"ordonanta", "ordonantei", "ordonantele", "ordonantelor"};
const std::initializer_list<const char*> kDecision = {"hotararea", "hotararii", "hotararile", "hotararilor"};
const std::initializer_list<const char*> kDecree = {"decretul",  "decretului",    "decret",
                                                    "decretele", "decretul-lege", "decretului-lege"};

// The act type named by the words before a number, and where its name starts.
bool typeOf(const QString& text, const std::vector<Word>& w, bool numbered, QString& type, qsizetype& start)
{
    static const Word none;
    auto at = [&](std::size_t i) -> const Word& { return i < w.size() ? w[i] : none; };
    auto found = [&](const char* t, std::size_t i) {
        type = QString::fromLatin1(t);
        start = w[i].start;
        return true;
    };
    if (w.empty())
        return false;
    const Word& first = w[0];
    if (isAny(text, first, kLaw))
        return found("lege", 0);
    if (isAny(text, first, {"o.u.g.", "o.u.g", "oug"}))
        return found("ordonanta de urgenta", 0);
    if (isAny(text, first, {"o.g.", "o.g", "og"}))
        return found("ordonanta", 0);
    if (isAny(text, first, {"h.g.", "h.g", "hg"}))
        return found("hotarare", 0);
    if (isAny(text, first, kDecree))
        return found("decret", 0);
    if (is(text, first, "guvernului")) {
        if (is(text, at(1), "a") && is(text, at(2), "urgenta") && is(text, at(3), "de") &&
            isAny(text, at(4), kOrdinance))
            return found("ordonanta de urgenta", 4);
        if (isAny(text, at(1), kOrdinance))
            return found("ordonanta", 1);
        if (isAny(text, at(1), kDecision))
            return found("hotarare", 1);
        if (is(text, at(1), "a") && isAny(text, at(2), kDecision))
            return found("hotarare", 2);
        return false;
    }
    if (is(text, first, "urgenta") && is(text, at(1), "de") && isAny(text, at(2), kOrdinance))
        return found("ordonanta de urgenta", 2);
    // An order or a decision names its issuer between the word and the
    // number, a law may name its subject ("Legea locuintei nr. 114/1996"),
    // always before "nr."; words that carry a sentence on end the search.
    if (isAny(text, first, {"ordinul", "ordinului"}))
        return found("ordin", 0);
    if (isAny(text, first, {"decizia", "deciziei"}))
        return found("decizie", 0);
    if (!numbered)
        return false;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (isAny(text, w[i],
                  {"se", "din", "prin", "la", "privind", "conform", "potrivit", "cu", "in", "sau", "iar", "care", "ca",
                   "este", "sunt", "si-a", "s-a"}))
            return false;
        if (i <= 12 && isAny(text, w[i], {"ordinul", "ordinului"}))
            return found("ordin", i);
        if (i <= 8 && isAny(text, w[i], {"decizia", "deciziei"}))
            return found("decizie", i);
        if (i > 0 && i <= 8 && isAny(text, w[i], kLaw))
            return found("lege", i);
    }
    return false;
}

// The act number ending at `end` (exclusive): digits, or groups of three
// after thousands dots. Empty when it is neither.
QString numberBefore(const QString& text, qsizetype end, qsizetype& start)
{
    qsizetype b = end;
    while (b > 0 && (isDigit(text.at(b - 1)) || text.at(b - 1) == QLatin1Char('.')))
        --b;
    while (b < end && text.at(b) == QLatin1Char('.')) // the dot of "nr.53"
        ++b;
    start = b;
    const QString written = text.mid(b, end - b);
    static const QRegularExpression form(QStringLiteral("^(?:\\d{1,3}(?:\\.\\d{3})+|\\d+)$"));
    if (written.isEmpty() || !form.match(written).hasMatch())
        return QString();
    QString digits = written;
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits;
}

QString yearOf(const QString& date, const QString& gazetteYear)
{
    // The act's year is the year of its date (dd-mm-yyyy); the gazette's
    // year stands in when the date is missing.
    const QString y = date.right(4);
    if (y.size() == 4 && y.at(0).isDigit() && y.at(3).isDigit())
        return y;
    return gazetteYear.trimmed();
}

} // namespace

std::vector<Reference> find(const QString& text)
{
    // Every reference holds "number/year"; the slashes are few, so the text
    // is read backwards from each of them only.
    std::vector<Reference> out;
    std::vector<Word> words;
    words.reserve(14);
    const qsizetype n = text.size();
    for (qsizetype slash = text.indexOf(QLatin1Char('/')); slash >= 0;
         slash = text.indexOf(QLatin1Char('/'), slash + 1)) {
        qsizetype y = slash + 1;
        while (y < n && (text.at(y) == QLatin1Char(' ') || text.at(y) == QChar(0x00A0)))
            ++y;
        if (y + 4 > n ||
            !((text.at(y) == QLatin1Char('1') && text.at(y + 1) == QLatin1Char('9')) ||
              (text.at(y) == QLatin1Char('2') && text.at(y + 1) == QLatin1Char('0'))) ||
            !isDigit(text.at(y + 2)) || !isDigit(text.at(y + 3)) || (y + 4 < n && isDigit(text.at(y + 4))))
            continue;
        qsizetype numberEnd = slash;
        while (numberEnd > 0 && (text.at(numberEnd - 1) == QLatin1Char(' ') || text.at(numberEnd - 1) == QChar(0x00A0)))
            --numberEnd;
        qsizetype numberStart = 0;
        Reference r;
        r.number = numberBefore(text, numberEnd, numberStart);
        if (r.number.isEmpty())
            continue;
        // "nr." (or "nr") between the type and the number.
        qsizetype typeEnd = numberStart;
        wordsBefore(text, typeEnd, 1, words);
        const bool numbered = !words.empty() && (is(text, words[0], "nr.") || is(text, words[0], "nr"));
        if (numbered)
            typeEnd = words[0].start;
        else if (numberStart > 0 && !isSpace(text.at(numberStart - 1)))
            continue; // a number glued to a word
        wordsBefore(text, typeEnd, 14, words);
        if (!typeOf(text, words, numbered, r.type, r.start))
            continue;
        r.year = text.mid(y, 4);
        r.length = y + 4 - r.start;
        out.push_back(std::move(r));
    }
    return out;
}

void resolve(modDB& db, std::vector<Reference>& refs)
{
    if (refs.empty())
        return;
    QSet<QString> numbers;
    for (const Reference& r : refs) {
        numbers.insert(r.number);
        // A catalogue may write large numbers with the thousands dot.
        if (r.number.size() > 3)
            numbers.insert(r.number.left(r.number.size() - 3) + QLatin1Char('.') + r.number.right(3));
    }
    QString list;
    list.reserve(numbers.size() * 8);
    for (const QString& n : numbers) {
        if (!list.isEmpty())
            list += QLatin1Char(',');
        list += QLatin1Char('\'') + SqlLiteral::text(n) + QLatin1Char('\'');
    }

    // type|number|year -> the act, or "" once a second act has the same key.
    QHash<QString, QString> acts;
    db.RunSql(QStringLiteral("select ID, Tipact, nract, An, DataAparitie from Acte where nract in (") + list +
                  QStringLiteral(")"),
              true);
    Recordset& rs = db.CurrentRs();
    while (!rs.Eof()) {
        QString number = rs.Text(QStringLiteral("nract")).trimmed();
        number.remove(QLatin1Char('.'));
        const QString key = rs.Text(QStringLiteral("Tipact")).trimmed().toLower() + QLatin1Char('|') + number +
                            QLatin1Char('|') +
                            yearOf(rs.Text(QStringLiteral("DataAparitie")), rs.Text(QStringLiteral("An")));
        const QString id = rs.Text(QStringLiteral("ID"));
        auto found = acts.find(key);
        if (found == acts.end())
            acts.insert(key, id);
        else if (*found != id)
            *found = QString();
        rs.MoveNext();
    }
    for (Reference& r : refs)
        r.actId = acts.value(r.type + QLatin1Char('|') + r.number + QLatin1Char('|') + r.year);
}

QString linkedActId(const QString& href)
{
    if (!href.startsWith(QLatin1String("act:")))
        return QString();
    const QString id = href.mid(4);
    return SqlLiteral::isWholeNumber(id) ? id : QString();
}

QString linkFor(const QString& actId)
{
    return QStringLiteral("act:") + actId;
}

} // namespace ActReferences
