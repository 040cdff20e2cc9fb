// Deterministic fuzzing of the statement dialect and of `like` patterns:
// random and mutated inputs with fixed seeds. TARVENOR_FUZZ_CASES sets the
// number of cases per test (default: a quick run).
#include "store/JetPattern.h"
#include "store/SqlDialect.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"
#include "support/HostileCorpus.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <set>

using testsupport::TempProgram;

namespace {

// Inputs are tiny: this only catches runaway work, with room for a busy machine.
constexpr qint64 kPerInputMs = 1000;

long long fuzzCases(long long quick)
{
    bool ok = false;
    const long long n = qEnvironmentVariable("TARVENOR_FUZZ_CASES").toLongLong(&ok);
    return ok && n > 0 ? n : quick;
}

// Characters that mean something to statements, patterns or encodings.
const QString kAlphabet = QStringLiteral("abcxyzAZ019 *?#[]!-%_'\";\\/()=.,ăĂșȘţ\u00DF\u017F\u212A\t\r\n") + QChar(0) +
                          QChar(0xD800) + QChar(0xDC00) + QChar(0xFEFF);

QString randomText(QRandomGenerator& rng, int maxLength, const QString& alphabet = kAlphabet)
{
    const int n = int(rng.bounded(maxLength + 1));
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i)
        s += alphabet[int(rng.bounded(alphabet.size()))];
    return s;
}

// One to four edits: insert, delete or replace a character, or copy a slice
// elsewhere (doubles quotes, keywords, brackets).
QString mutate(QRandomGenerator& rng, QString s)
{
    for (int e = 1 + int(rng.bounded(4)); e > 0; --e) {
        const int at = int(rng.bounded(s.size() + 1));
        const QChar c = kAlphabet[int(rng.bounded(kAlphabet.size()))];
        const int op = int(rng.bounded(4));
        if (op == 0)
            s.insert(at, c);
        else if (op == 3)
            s.insert(at, s.mid(int(rng.bounded(s.size() + 1)), int(rng.bounded(8))));
        else if (at < s.size())
            op == 1 ? void(s.remove(at, 1)) : void(s[at] = c);
    }
    return s;
}

// The statement texts the window sends, with `@` where a text value goes.
const char* const kTemplates[] = {
    "Select ID, Titlu, TipAct from Acte",
    "Select titlu, link from noutati order by id desc",
    "select * from Acte where Tipact = '@' and nract =  '@' and DataAparitie = '@' and Monitoruloficial = '@' and "
    "An like '@' and Emitent = '@' and Titlu like '*@*'",
    "Select Continut from Acte where id = 12",
    "Select ID, Titlu, Continut from Acte where ID  = 7",
    "insert into ultimele_legi (id_acte) values (3)",
    "insert into legi_favorite (id_acte) values (3)",
    "Select * from legi_favorite",
    "delete * from legi_favorite where id = 999999",
    "Select id_acte from ultimele_legi order by id desc",
    "Select ID, Titlu, TipAct from Acte where ID = 4 ",
    "Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b where a.tipeveniment = b.id and "
    "a.data = '@'",
    "insert into agenda (data, ora, coment,tipeveniment) values ('@', '@', '@',1)",
    "update agenda set data = '@' , ora='@' , coment= '@' ,tipeveniment = 1 where id = 999999",
    "Select * from tip_eveniment",
    "Select id from tip_eveniment where tipeveniment= '@'",
    "insert into tip_eveniment (tipeveniment) values ('@')",
};

QString fill(const char* tmpl, const QString& value)
{
    QString s = QString::fromUtf8(tmpl);
    s.replace(QLatin1Char('@'), SqlLiteral::text(value));
    return s;
}

// An independent matcher for patterns, by dynamic programming over
// (pattern element, value position), written from the rules alone.
struct RefElement {
    enum Kind { Lit, Run, One, Digit, Set } kind;
    char16_t ch = 0;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;
};

char16_t refFold(char16_t c)
{
    return QChar(c).toCaseFolded().unicode();
}

std::vector<RefElement> refParse(const QString& p)
{
    std::vector<RefElement> out;
    for (int i = 0; i < p.size(); ++i) {
        const char16_t c = p[i].unicode();
        RefElement e{RefElement::Lit, 0, false, {}};
        if (c == u'*') {
            e.kind = RefElement::Run;
        } else if (c == u'?') {
            e.kind = RefElement::One;
        } else if (c == u'#') {
            e.kind = RefElement::Digit;
        } else if (c == u'[') {
            // A set: an optional `!`, then at least one member, then `]`
            // (a `]` right at the start is a member). Otherwise `[` is itself.
            int start = i + 1;
            bool neg = false;
            if (start < p.size() && p[start] == u'!') {
                neg = true;
                ++start;
            }
            const int close = start < p.size() ? int(p.indexOf(QLatin1Char(']'), start + 1)) : -1;
            if (close < 0) {
                e.ch = refFold(c);
            } else {
                e.kind = RefElement::Set;
                e.negated = neg;
                const QString body = p.mid(start, close - start);
                for (int k = 0; k < body.size(); ++k) {
                    if (k + 2 < body.size() && body[k + 1] == u'-') {
                        char16_t a = refFold(body[k].unicode()), b = refFold(body[k + 2].unicode());
                        e.ranges.emplace_back(std::min(a, b), std::max(a, b));
                        k += 2;
                    } else {
                        const char16_t a = refFold(body[k].unicode());
                        e.ranges.emplace_back(a, a);
                    }
                }
                i = close;
            }
        } else {
            e.ch = refFold(c);
        }
        out.push_back(std::move(e));
    }
    return out;
}

bool refMatches(const QString& pattern, const QString& value)
{
    const auto el = refParse(pattern);
    const size_t np = el.size();
    const size_t nv = size_t(value.size());
    // can[i][j]: elements from i match value from j.
    std::vector<std::vector<char>> can(np + 1, std::vector<char>(nv + 1, 0));
    can[np][nv] = 1;
    // One character: a surrogate pair is two units.
    auto width = [&](size_t j) -> size_t {
        return j + 1 < nv && value[qsizetype(j)].isHighSurrogate() && value[qsizetype(j + 1)].isLowSurrogate() ? 2 : 1;
    };
    for (size_t i = np; i-- > 0;) {
        for (size_t j = nv + 1; j-- > 0;) {
            const RefElement& e = el[i];
            if (e.kind == RefElement::Run) {
                can[i][j] = can[i + 1][j] || (j < nv && can[i][j + width(j)]);
                continue;
            }
            if (j == nv)
                continue;
            if (e.kind != RefElement::Lit && width(j) == 2) {
                // Outside the sets' reach (they hold single units): only `?`
                // and negated sets take it.
                can[i][j] =
                    (e.kind == RefElement::One || (e.kind == RefElement::Set && e.negated)) && can[i + 1][j + 2];
                continue;
            }
            const char16_t v = refFold(value[qsizetype(j)].unicode());
            bool one = e.kind == RefElement::One || (e.kind == RefElement::Lit && e.ch == v) ||
                       (e.kind == RefElement::Digit && v >= u'0' && v <= u'9');
            if (e.kind == RefElement::Set) {
                for (const auto& r : e.ranges)
                    one = one || (v >= r.first && v <= r.second);
                one = one != e.negated;
            }
            can[i][j] = one && can[i + 1][j + 1];
        }
    }
    return can[0][0];
}

} // namespace

class DialectFuzzTest : public QObject {
    Q_OBJECT

private slots:
    void patternsAgreeWithReference()
    {
        const long long cases = fuzzCases(20000);
        QRandomGenerator rng(1403);
        const QString patternAlphabet = QStringLiteral("ab*?#[]!-aA0 ăĂ\u017Fs\U0001F4DC");
        const QString valueAlphabet = QStringLiteral("abAB0 9-[]!ăĂsS\u017F*?#\U0001F4DC") + QChar(0xD800);
        long long matched = 0;
        for (long long i = 0; i < cases; ++i) {
            const QString pattern = randomText(rng, 12, patternAlphabet);
            QString value = randomText(rng, 16, valueAlphabet);
            if (i % 3 == 0) // values that nearly fit: built from the pattern itself
                value = mutate(rng, QString(pattern).remove(QLatin1Char('[')).remove(QLatin1Char('*')));
            QElapsedTimer t;
            t.start();
            const bool got = JetPattern(pattern).matches(value);
            QVERIFY(t.elapsed() < kPerInputMs);
            const bool want = refMatches(pattern, value);
            if (got != want)
                QFAIL(qPrintable(QStringLiteral("pattern \"%1\" value \"%2\": match %3").arg(pattern, value).arg(got)));
            matched += got;
        }
        QVERIFY(matched > cases / 50); // the generator does reach matches
    }

    void hardPatternsStayFast()
    {
        // Many runs against a long value that almost fits.
        const QString value = QString(20000, QLatin1Char('a')) + QLatin1Char('b');
        const QString pattern = QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*c");
        QElapsedTimer t;
        t.start();
        QVERIFY(!JetPattern(pattern).matches(value));
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(JetPattern(QString(5000, QLatin1Char('*')) + QLatin1Char('b')).matches(value));
    }

    void valuesNeverChangeStatementShape()
    {
        // Whatever a text value holds, once made a literal it is one bound
        // parameter, equal to itself, and the statement around it is the same.
        const long long cases = fuzzCases(20000);
        QRandomGenerator rng(2007);
        const auto corpus = hostileCorpus();
        for (long long i = 0; i < cases; ++i) {
            const char* tmpl = kTemplates[rng.bounded(int(std::size(kTemplates)))];
            QString value =
                i % 5 == 0 ? corpus[size_t(rng.bounded(int(corpus.size())))].value.left(5000) : randomText(rng, 40);
            const QString text = fill(tmpl, value);
            QElapsedTimer t;
            t.start();
            const SqlDialect::Statement got = SqlDialect::translate(text);
            QVERIFY(t.elapsed() < kPerInputMs);
            const SqlDialect::Statement plain = SqlDialect::translate(fill(tmpl, QStringLiteral("x")));
            QCOMPARE(got.params.size(), plain.params.size());
            // A `like` runs one of two ways depending on its pattern; every
            // other statement keeps its exact shape and gets the value back.
            if (QByteArray(tmpl).contains("like"))
                continue;
            QCOMPARE(got.sql, plain.sql);
            for (size_t p = 0; p < got.params.size(); ++p)
                if (std::holds_alternative<QString>(plain.params[p]))
                    QVERIFY2(std::get<QString>(got.params[p]) == value, qPrintable(text.left(200)));
        }
    }

    void mutatedStatementsFailCleanly()
    {
        // Random edits of real statements: translation gives a statement or a
        // StoreError, never anything else, and quickly. Every 40th also runs
        // through RunSql on a real file, which must stay sound.
        const long long cases = fuzzCases(20000);
        TempProgram program(true);
        modDB db(program.dir());
        QRandomGenerator rng(31);
        long long refused = 0, ran = 0;
        for (long long i = 0; i < cases; ++i) {
            QString text = fill(kTemplates[rng.bounded(int(std::size(kTemplates)))], randomText(rng, 10));
            text = i % 10 == 0 ? randomText(rng, 80) : mutate(rng, text);
            QElapsedTimer t;
            t.start();
            try {
                const SqlDialect::Statement st = SqlDialect::translate(text);
                QVERIFY(!st.sql.contains(';') || text.count(QLatin1Char(';')) > 0);
            } catch (const StoreError& e) {
                QVERIFY(!e.message().isEmpty());
                ++refused;
            }
            QVERIFY(t.elapsed() < kPerInputMs);
            if (i % 40 != 1)
                continue;
            const bool isQuery = text.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive);
            t.restart();
            try {
                db.RunSql(text, isQuery);
                if (isQuery)
                    for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
                        ;
                ++ran;
            } catch (const StoreError& e) {
                QVERIFY(!e.message().isEmpty());
            }
            QVERIFY2(t.elapsed() < 4000, qPrintable(text.left(200)));
        }
        QVERIFY(refused > 0 && ran > 0);
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void likeThroughTheStoreAgreesWithReference()
    {
        // Both ways a pattern can run (the engine's own LIKE for plain ASCII
        // patterns, the pattern function otherwise) give the reference's rows.
        TempProgram program;
        modDB db(program.dir());
        QRandomGenerator rng(4242);
        const QString valueAlphabet = QStringLiteral("abAB09 _%\\-[]ăĂ\u017F\u212Ask");
        std::vector<QString> values;
        for (int i = 0; i < 60; ++i) {
            values.push_back(randomText(rng, 8, valueAlphabet));
            db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('") +
                          SqlLiteral::text(values.back()) + QStringLiteral("')"),
                      false);
        }
        values.push_back(QStringLiteral("x\U0001F4DCy"));
        db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('x\U0001F4DCy')"), false);
        const long long cases = fuzzCases(20000) / 20;
        const QString patternAlphabet = QStringLiteral("ab*?AB_%\\09-ăsk");
        for (long long i = 0; i < cases; ++i) {
            const QString pattern = i == 0 ? QStringLiteral("x?y") : randomText(rng, 6, patternAlphabet);
            db.RunSql(QStringLiteral("select id, tipeveniment from tip_eveniment where tipeveniment like '") +
                          SqlLiteral::text(pattern) + QStringLiteral("'"),
                      true);
            std::multiset<QString> got, want;
            for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
                got.insert(rs.Text(QStringLiteral("tipeveniment")));
            for (const QString& v : values)
                if (refMatches(pattern, v))
                    want.insert(v);
            QVERIFY2(got == want, qPrintable(QStringLiteral("pattern \"%1\": %2 rows, expected %3")
                                                 .arg(pattern)
                                                 .arg(got.size())
                                                 .arg(want.size())));
        }
    }
};

QTEST_GUILESS_MAIN(DialectFuzzTest)
#include "test_dialect_fuzz.moc"
