// The store on the real SQLite file: `like` patterns, literals, the dialect of
// the window's statement texts, hostile values, writes that survive a kill,
// and deterministic fuzzing with fixed seeds (TARVENOR_FUZZ_CASES sets the
// cases per fuzz test). Work is bounded by counts and sizes, never by the clock.
#include "store/JetPattern.h"
#include "store/SqlDialect.h"
#include "store/SqlLiteral.h"
#include "store/TextEncoding.h"
#include "store/modDB.h"
#include "support/HostileCorpus.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::TempProgram;

namespace {

// Every statement text the window sends, as written, run in this order on the
// demo catalogue: the rows a query gives, or -1 for a statement, which changes
// exactly one row.
const struct {
    const char* text;
    int rows;
} kStatements[] = {
    {"Select ID, Titlu, TipAct from Acte", 45},
    {"Select titlu, link from noutati order by id desc", 6},
    {"select * from Acte where Tipact = 'lege' and nract =  '53' and DataAparitie = '24-01-2003' and "
     "Monitoruloficial = '72' and An like '2003' and Emitent = 'parlamentul' and Titlu like '*munc*' ",
     1},
    {"select ID from Acte where Tipact = 'LEGE' and Titlu like '*CODUL MUNCII*' ", 1},
    {"select ID from Acte where Titlu like '*ÎNFIINȚAREA*' or Titlu like '*CÔTE D''IVOIRE*'", 1},
    {"select ID from Acte where Titlu like 'Legea nr. 5#/2003*'", 1},
    {"Select Continut from Acte where id = 1", 1},
    {"Select ID, Titlu, Continut from Acte where ID  = 40", 1},
    {"insert into ultimele_legi (id_acte) values (1)", -1},
    {"insert into legi_favorite (id_acte) values (1)", -1},
    {"Select * from legi_favorite", 1},
    {"delete * from legi_favorite where id = 1", -1},
    {"insert into legi_favorite (id_acte) values (1)", -1},
    {"Select * from legi_favorite where id = 2", 1}, // ids are never given twice
    {"Select id_acte from ultimele_legi order by id desc", 1},
    {"insert into agenda (data, ora, coment,tipeveniment) values ('14.03.2007', '10:00', 'Termen',1)", -1},
    {"Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b where a.tipeveniment = b.id and "
     "a.data = '14.03.2007'",
     1},
    {"Select a.id, a.ora from agenda a, tip_eveniment b where a.tipeveniment = b.id and a.data = '01.01.1999'", 0},
    {"update agenda set data = '15.03.2007' , ora='11:00' , coment= 'Mutat' ,tipeveniment = 2 where id = 1", -1},
    {"Select * from tip_eveniment", 3},
    {"Select id from tip_eveniment where tipeveniment= 'intalnire CLIENT'", 1},
    {"insert into tip_eveniment (tipeveniment) values ('Expertiza')", -1},
};

// The statement with every literal holding `value`, made a literal the way the window does.
QString fill(const char* text, const QString& value)
{
    static const QRegularExpression literal(QStringLiteral("'(?:[^']|'')*'"));
    QString s = QString::fromUtf8(text).replace(literal, QStringLiteral("'@'"));
    return s.replace(QLatin1Char('@'), SqlLiteral::text(value));
}

// An independent matcher for patterns, by dynamic programming over (pattern
// element, value position), written from the rules alone.
struct RefElement {
    char kind; // 'l' literal, '*', '?', '#', '[' set
    char16_t ch;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;
};

char16_t refFold(QChar c)
{
    return c.toCaseFolded().unicode();
}

bool refMatches(const QString& p, const QString& value)
{
    std::vector<RefElement> el;
    for (int i = 0; i < p.size(); ++i) {
        RefElement e{QStringLiteral("*?#").contains(p[i]) ? char(p[i].unicode()) : 'l', refFold(p[i]), false, {}};
        // A set: an optional `!`, at least one member, then `]` (a `]` right
        // after the opening is a member). Otherwise `[` is itself.
        const int start = i + 1 + (i + 1 < p.size() && p[i + 1] == u'!' ? 1 : 0);
        const int close = p[i] == u'[' && start < p.size() ? int(p.indexOf(QLatin1Char(']'), start + 1)) : -1;
        if (close > 0) {
            e.kind = '[';
            e.negated = start > i + 1;
            for (int k = start; k < close; ++k) {
                const bool range = k + 2 < close && p[k + 1] == u'-';
                const char16_t a = refFold(p[k]), b = refFold(p[range ? k + 2 : k]);
                e.ranges.emplace_back(std::min(a, b), std::max(a, b));
                k += range ? 2 : 0;
            }
            i = close;
        }
        el.push_back(std::move(e));
    }
    const size_t np = el.size(), nv = size_t(value.size());
    // can[i][j]: elements from i match the value from j. A surrogate pair is
    // one character, outside the sets' reach: only `?` and negated sets take it.
    std::vector<std::vector<char>> can(np + 1, std::vector<char>(nv + 1, 0));
    can[np][nv] = 1;
    auto width = [&](size_t j) -> size_t {
        return j + 1 < nv && value[qsizetype(j)].isHighSurrogate() && value[qsizetype(j + 1)].isLowSurrogate() ? 2 : 1;
    };
    for (size_t i = np; i-- > 0;) {
        const RefElement& e = el[i];
        for (size_t j = nv + 1; j-- > 0;) {
            if (e.kind == '*') {
                can[i][j] = can[i + 1][j] || (j < nv && can[i][j + width(j)]);
            } else if (j < nv && e.kind != 'l' && width(j) == 2) {
                can[i][j] = (e.kind == '?' || (e.kind == '[' && e.negated)) && can[i + 1][j + 2];
            } else if (j < nv) {
                const char16_t v = refFold(value[qsizetype(j)]);
                bool one = e.kind == '?' || (e.kind == 'l' && e.ch == v) || (e.kind == '#' && v >= u'0' && v <= u'9');
                for (const auto& r : e.ranges)
                    one = one || (v >= r.first && v <= r.second);
                can[i][j] = (e.kind == '[' ? one != e.negated : one) && can[i + 1][j + 1];
            }
        }
    }
    return can[0][0];
}

// Cases per fuzz test: a quick run unless TARVENOR_FUZZ_CASES asks for another number.
const long long kFuzzCases =
    qMax(1LL, qEnvironmentVariable("TARVENOR_FUZZ_CASES", QStringLiteral("20000")).toLongLong());

// Characters that mean something to statements, patterns or encodings.
const QString kAlphabet = QStringLiteral("abcxyzAZ019 *?#[]!-%_'\";\\/()=.,ăĂșȘţ\u00DF\u017F\u212A\t\r\n") + QChar(0) +
                          QChar(0xD800) + QChar(0xDC00) + QChar(0xFEFF);

QString randomText(QRandomGenerator& rng, int maxLength, const QString& alphabet = kAlphabet)
{
    QString s;
    for (int n = int(rng.bounded(maxLength + 1)); n > 0; --n)
        s += alphabet[int(rng.bounded(alphabet.size()))];
    return s;
}

// One to four edits: insert, delete or replace a character, or copy a slice
// elsewhere (doubles quotes, keywords, brackets).
QString mutate(QRandomGenerator& rng, QString s)
{
    for (int e = 1 + int(rng.bounded(4)); e > 0; --e) {
        const int at = int(rng.bounded(s.size() + 1)), op = int(rng.bounded(4));
        const QChar c = kAlphabet[int(rng.bounded(kAlphabet.size()))];
        if (op == 0)
            s.insert(at, c);
        else if (op == 3)
            s.insert(at, s.mid(int(rng.bounded(s.size() + 1)), int(rng.bounded(8))));
        else if (at < s.size())
            op == 1 ? void(s.remove(at, 1)) : void(s[at] = c);
    }
    return s;
}

// Every row of the user's tables and the catalogue, as the file holds them.
std::vector<QStringList> snapshot(const TempProgram& p)
{
    std::vector<QStringList> all;
    for (const char* table : {"agenda", "tip_eveniment", "legi_favorite", "ultimele_legi", "Acte", "noutati"}) {
        const auto rows = p.rows(QStringLiteral("select '%1', * from %1 order by 2").arg(QLatin1String(table)));
        all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
}

const QString kUserRows = QStringLiteral(
    "insert into tip_eveniment (tipeveniment) values ('Termen ''vechi''');"
    "insert into agenda (data, ora, coment,tipeveniment) values ('14.03.2007', '09:00', 'Dosar 1/2007',1);"
    "insert into legi_favorite (id_acte) values (3); insert into ultimele_legi (id_acte) values (4);");

// The texts of event n: long enough to span pages now and then, so that a
// torn write would show.
QStringList eventOf(long long n)
{
    return {QStringLiteral("%1.03.2007").arg(1 + n % 28, 2, 10, QLatin1Char('0')),
            QStringLiteral("%1:%2").arg(n % 24, 2, 10, QLatin1Char('0')).arg(n % 60, 2, 10, QLatin1Char('0')),
            QStringLiteral("Eveniment %1 d'urgenta; ").arg(n) + QString(int(n * 37 % 3000), QChar(u'ș')) +
                QStringLiteral(" sfarsit %1").arg(n),
            QString::number(n % 5 + 1)};
}

// Adds events from n = first on, and acknowledges each on the pipe once
// RunSql has returned.
[[noreturn]] void writeUntilKilled(const QString& programDir, long long first, int ackFd)
{
    try {
        modDB db(programDir);
        for (long long n = first;; ++n) {
            const QStringList e = eventOf(n);
            db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('%1', '%2', '%3',%4)")
                          .arg(SqlLiteral::text(e[0]), SqlLiteral::text(e[1]), SqlLiteral::text(e[2]), e[3]),
                      false);
            const QByteArray line = QByteArray::number(n) + '\n'; // one short write: a pipe never splits it
            if (::write(ackFd, line.constData(), size_t(line.size())) != line.size())
                _exit(3);
        }
    } catch (const StoreError&) {
        _exit(2);
    }
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void patternsLiteralsAndStoredForms()
    {
        // "pattern|value|y or n": whether the pattern matches the value. The
        // fuzzing below trusts the reference matcher: it must agree here too.
        const QString patterns = QStringLiteral(
            "*munca*|Codul muncii si Munca|y;*MUNCA*|codul munca|y;*ĂȘTI*|sunt ăști|y;*fiscal*|Codul muncii|n;"
            "*50%*|reducere 50% acum|y;*5%*|reducere 50 acum|n;*a_b*|axb|n;c?d|cod|y;art. #|art. 5|y;art. #|art. x|n;"
            "[bc]od|cod|y;[!bc]od|cod|n;[a-f]x|Dx|y;*[*|a[b|y;2005|2005|y;2005|20051|n;**||y;x?y|x\U0001F4DCy|y");
        for (const QString& c : patterns.split(QLatin1Char(';'))) {
            const QStringList t = c.split(QLatin1Char('|'));
            const bool want = t[2] == QLatin1String("y");
            QVERIFY2(JetPattern(t[0]).matches(t[1]) == want && refMatches(t[0], t[1]) == want, qPrintable(c));
        }
        QCOMPARE(SqlLiteral::text(QStringLiteral("d'urgenta")), QStringLiteral("d''urgenta"));
        QCOMPARE(SqlLiteral::text(QStringLiteral("''")), QStringLiteral("''''"));
        QVERIFY(SqlLiteral::isWholeNumber(QStringLiteral("42")) && SqlLiteral::isWholeNumber(QStringLiteral("-7")));
        for (const char* bad : {"", "-", "4 or 1=1", "12345678901234567890"})
            QVERIFY2(!SqlLiteral::isWholeNumber(QLatin1String(bad)), bad);
        QVERIFY_THROWS_EXCEPTION(StoreError, SqlLiteral::id(QStringLiteral("1; drop table agenda")));

        // One statement per text, and no literal left open.
        for (const char* bad : {"select 1; drop table agenda", "select * from Acte where Titlu = 'x"})
            QVERIFY_THROWS_EXCEPTION(StoreError, SqlDialect::translate(QLatin1String(bad)));
        // Text the file cannot hold exactly (a NUL, unpaired surrogates) is
        // stored as U+FFFD, one for each unit, and nothing around it is lost.
        const QChar nul(0), high(0xD800), low(0xDC00), r(0xFFFD);
        const QString given =
            QStringLiteral("a") + nul + high + QStringLiteral("b") + low + high + QStringLiteral("x\U0001F4DCy");
        QCOMPARE(TextEncoding::storedForm(given),
                 QStringLiteral("a") + r + r + QStringLiteral("b") + r + r + QStringLiteral("x\U0001F4DCy"));
        QCOMPARE(TextEncoding::toStoreUtf8(given).left(8), QByteArray("a\xEF\xBF\xBD\xEF\xBF\xBD"
                                                                      "b"));
    }

    void everyProgramStatementRuns()
    {
        // Rows of the user's tables, plus moved events: each statement changes it by one.
        const QString userRows =
            QStringLiteral("select (select count(*) from legi_favorite) + (select count(*) from ultimele_legi) + "
                           "(select count(*) from tip_eveniment) + (select count(*) from agenda) + "
                           "(select count(*) from agenda where data = '15.03.2007')");
        TempProgram program(true);
        modDB db(program.dir());
        for (const auto& s : kStatements) {
            const long long before = program.scalar(userRows).toLongLong();
            db.RunSql(QString::fromUtf8(s.text), s.rows >= 0);
            int n = 0;
            if (s.rows >= 0)
                for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
                    ++n;
            const long long changed = qAbs(program.scalar(userRows).toLongLong() - before);
            QVERIFY2(s.rows >= 0 ? n == s.rows && changed == 0 : changed == 1, s.text);
        }
    }

    void failureKeepsCursorAndTransactionLandsOnlyCommitted()
    {
        TempProgram program(true);
        modDB db(program.dir());
        QVERIFY_THROWS_EXCEPTION(StoreError, db.CurrentRs());
        db.RunSql(QStringLiteral("select titlu from noutati order by id desc"), true);
        Recordset* before = &db.CurrentRs();
        QVERIFY_THROWS_EXCEPTION(StoreError, db.RunSql(QStringLiteral("select * from nosuchtable"), true));
        QCOMPARE(&db.CurrentRs(), before);
        QVERIFY(!db.CurrentRs().Eof());
        for (const char* name : {"dropped", "committed"}) {
            modDB::Transaction t(db);
            db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('%1')").arg(QLatin1String(name)),
                      false);
            if (name[0] == 'c')
                t.commit();
        }
        QCOMPARE(program.scalar(QStringLiteral("select group_concat(tipeveniment) from tip_eveniment where id > 3")),
                 QStringLiteral("committed"));
    }

    void hostileValuesRoundTrip_data() { addHostileRows(); }

    // Each value lands in a catalogue row through the statement texts the
    // window builds, comes back as stored, is found by `=` and by `like` once
    // its wildcards are bracketed, and touches no other row. (Typed values
    // through the window: test_store_form.)
    void hostileValuesRoundTrip()
    {
        QFETCH(QString, value);
        const QString lit = SqlLiteral::text(value);
        TempProgram program(true);
        program.exec(kUserRows);
        const auto before = snapshot(program);
        modDB db(program.dir());
        db.RunSql(
            QStringLiteral("INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,"
                           "Continut,nract) VALUES (900001, '%1', '2007', '01-01-2007', '1', 'p', 'lege', '%1', '1')")
                .arg(lit),
            false);
        db.RunSql(QStringLiteral("select ID, Continut from Acte where Titlu like '*%1*' and Continut = '%2'")
                      .arg(SqlLiteral::text(jetLiteralPattern(value)), lit),
                  true);
        QStringList found;
        for (Recordset& r = db.CurrentRs(); !r.Eof(); r.MoveNext())
            found << r.Text(QStringLiteral("id")) + QLatin1Char(' ') + r.Text(QStringLiteral("CONTINUT"));
        QVERIFY(found == QStringList{QStringLiteral("900001 ") + TextEncoding::storedForm(value)});
        db.RunSql(QStringLiteral("delete * from Acte where ID = 900001"), false);
        QVERIFY(snapshot(program) == before);
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void killedWritesAreKeptWhole()
    {
        TempProgram program;
        QRandomGenerator rng(20070314);
        std::set<long long> acknowledged;
        for (int round = 0; round < 60; ++round) {
            int fds[2];
            QVERIFY(::pipe(fds) == 0);
            const long long first = round * 1000000LL;
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                ::close(fds[0]);
                writeUntilKilled(program.dir(), first, fds[1]);
            }
            ::close(fds[1]);
            // Killed once it has acknowledged 0 to 5 writes: somewhere in the
            // next one, or before its first, the moment left to chance.
            FILE* acks = ::fdopen(fds[0], "r");
            long long n = 0;
            for (int k = int(rng.bounded(6)); k > 0 && std::fscanf(acks, "%lld", &n) == 1; --k)
                acknowledged.insert(n);
            QThread::usleep(rng.bounded(2000));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, qPrintable(QString::number(status)));
            while (std::fscanf(acks, "%lld", &n) == 1)
                acknowledged.insert(n);
            std::fclose(acks);
        }

        // Every row present is whole; every acknowledged one is present.
        std::set<long long> events;
        for (const QStringList& row :
             program.rows(QStringLiteral("select data, ora, coment, tipeveniment from agenda"))) {
            const long long n = row[2].section(QLatin1Char(' '), 1, 1).toLongLong();
            QVERIFY2(row == eventOf(n), qPrintable(row[2].left(60)));
            events.insert(n);
        }
        for (long long n : acknowledged)
            QVERIFY2(events.count(n), qPrintable(QString::number(n)));
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void fuzzedPatternsAgreeWithReference()
    {
        QRandomGenerator rng(1403);
        const QString patternAlphabet = QStringLiteral("ab*?#[]!-aA0 ăĂ\u017Fs\U0001F4DC");
        const QString valueAlphabet = QStringLiteral("abAB0 9-[]!ăĂsS\u017F*?#\U0001F4DC").append(QChar(0xD800));
        long long matched = 0;
        for (long long i = 0; i < kFuzzCases; ++i) {
            const QString pattern = randomText(rng, 12, patternAlphabet);
            // Every third value nearly fits: made from the pattern itself.
            QString nearly = QString(pattern).remove(QLatin1Char('[')).remove(QLatin1Char('*'));
            nearly.replace(QLatin1Char('#'), QLatin1Char(i % 2 ? '9' : '0'));
            const QString value = i % 3 == 0 ? mutate(rng, nearly) : randomText(rng, 16, valueAlphabet);
            const bool got = JetPattern(pattern).matches(value);
            if (got != refMatches(pattern, value))
                QFAIL(qPrintable(QStringLiteral("pattern \"%1\" value \"%2\": match %3").arg(pattern, value).arg(got)));
            matched += got;
        }
        QVERIFY(matched > kFuzzCases / 50); // the generator does reach matches
        // Many runs against a long value that almost fits: a matcher that
        // backtracks into every run would never end on this.
        const QString value = QString(20000, QLatin1Char('a')) + QLatin1Char('b');
        QVERIFY(!JetPattern(QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*c")).matches(value));
        QVERIFY(JetPattern(QString(5000, QLatin1Char('*')) + QLatin1Char('b')).matches(value));
    }

    void fuzzedStatements()
    {
        // Whatever a text value holds, once made a literal it is one bound
        // parameter, equal to itself, and the statement around it is the same.
        // Random edits of the statements give a statement or a StoreError,
        // never anything else; every 40th also runs on a real file, which
        // must stay sound.
        TempProgram program(true);
        modDB db(program.dir());
        const auto corpus = hostileCorpus();
        QRandomGenerator rng(2007);
        long long refused = 0, ran = 0;
        for (long long i = kFuzzCases; i > 0; --i) {
            const char* tmpl = kStatements[rng.bounded(int(std::size(kStatements)))].text;
            const QString value =
                i % 5 == 0 ? corpus[size_t(rng.bounded(int(corpus.size())))].value.left(5000) : randomText(rng, 40);
            const SqlDialect::Statement got = SqlDialect::translate(fill(tmpl, value));
            const SqlDialect::Statement plain = SqlDialect::translate(fill(tmpl, QStringLiteral("x")));
            QCOMPARE(got.params.size(), plain.params.size());
            // A `like` runs one of two ways depending on its pattern; every
            // other statement keeps its exact shape and gets the value back.
            const bool like = QByteArray(tmpl).contains("like");
            QVERIFY(like || got.sql == plain.sql);
            for (size_t p = 0; p < got.params.size() && !like; ++p)
                if (std::holds_alternative<QString>(plain.params[p]))
                    QVERIFY2(std::get<QString>(got.params[p]) == value, tmpl);

            const QString text = i % 10 == 0 ? randomText(rng, 80) : mutate(rng, fill(tmpl, randomText(rng, 10)));
            const bool isQuery = text.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive);
            try {
                const SqlDialect::Statement st = SqlDialect::translate(text);
                QVERIFY(!st.sql.contains(';') || text.contains(QLatin1Char(';')));
                if (i % 40 == 1) {
                    db.RunSql(text, isQuery);
                    for (Recordset* rs = isQuery ? &db.CurrentRs() : nullptr; rs && !rs->Eof(); rs->MoveNext())
                        ;
                    ++ran;
                }
            } catch (const StoreError& e) {
                QVERIFY(!e.message().isEmpty());
                ++refused;
            }
        }
        QVERIFY(refused > 0 && ran > 0);
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void fuzzedLikeThroughTheStoreAgreesWithReference()
    {
        // Both ways a pattern can run (the engine's own LIKE for plain ASCII
        // patterns, the pattern function otherwise) give the reference's rows.
        TempProgram program;
        modDB db(program.dir());
        QRandomGenerator rng(4242);
        const QString valueAlphabet = QStringLiteral("abAB09 _%\\-[]ăĂ\u017F\u212Ask");
        std::vector<QString> values{QStringLiteral("x\U0001F4DCy")};
        for (int i = 0; i < 60; ++i)
            values.push_back(randomText(rng, 8, valueAlphabet));
        for (const QString& v : values)
            db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('%1')").arg(SqlLiteral::text(v)),
                      false);
        const QString patternAlphabet = QStringLiteral("ab*?#AB_%\\09-ăsk");
        for (long long i = kFuzzCases / 20; i > 0; --i) {
            const QString pattern = i == 1 ? QStringLiteral("x?y") : randomText(rng, 6, patternAlphabet);
            db.RunSql(QStringLiteral("select tipeveniment from tip_eveniment where tipeveniment like '%1'")
                          .arg(SqlLiteral::text(pattern)),
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

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
