// Update packs: what the reader accepts and refuses (and on which line), a
// fuzz run bounded by count, and packs applied through the window: all or
// nothing, the user's own tables never touched, the lists refilled.
#include "catalogue/UpdatePack.h"
#include "support/SignedPacks.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <random>

#include <sqlite3.h>

using namespace testsupport;
using namespace Qt::StringLiterals;
using namespace UpdatePack;

namespace {

const QString kActHead =
    u"INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES ("_s;
const QString kNewsHead = u"INSERT INTO noutati (id, titlu, link) VALUES ("_s;

QString actLine(int id, const QString& rest =
                            u"'Legea nr. 1/2007', '2007', '01-02-2007', '12', 'parlamentul', 'lege', 'Art. 1.', '1'"_s)
{
    return kActHead + QString::number(id) + u", "_s + rest + u");\n"_s;
}

Act act(qint64 id, const QString& title, const QString& body = u"Art. 1. - Text."_s)
{
    return Act{id, title, u"2007"_s, u"15-03-2007"_s, u"180"_s, u"parlamentul"_s, u"lege"_s, body, QString::number(id),
               0};
}

QString packText(const std::vector<Act>& acts, const std::vector<News>& items = {})
{
    QString text = u"-- Pachet de proba\n"_s;
    for (const auto& a : acts)
        text += actStatement(a) + u";\n"_s;
    for (const auto& n : items)
        text += newsStatement(n) + u";\n"_s;
    return text;
}

// The rows of the tables named, to compare before and after.
QStringList dump(const TempProgram& p,
                 const char* tables = "Acte noutati legi_favorite ultimele_legi tip_eveniment agenda")
{
    QStringList out;
    for (const QString& t : QString::fromLatin1(tables).split(QLatin1Char(' ')))
        out << joinedRows(p, u"select * from %1 order by 1"_s.arg(t));
    return out;
}

void addUserRows(const TempProgram& p)
{
    p.exec(u"insert into legi_favorite (id_acte) values (1); insert into ultimele_legi (id_acte) values (2);"
           "insert into agenda (data, ora, coment, tipeveniment) values ('14.03.2007', '10:00', 'Termen', 1)"_s);
}

QString success(const char* counts)
{
    const QStringList n = QString::fromLatin1(counts).split(QLatin1Char(' '));
    return u"Actualizare reusita: %1 acte noi, %2 acte actualizate, %3 noutati.\rCatalogul este acum la versiunea "
           "2026.12.07.\rDe la editor: Catalogul Tarvenor, versiunea 2026.12.07"_s.arg(n[0], n[1], n[2]);
}

} // namespace

class UpdateTest : public QObject {
    Q_OBJECT

private slots:
    void readsBothFormsAndRefusesWithTheLine()
    {
        const QString text = u"-- Actualizare martie 2007\n"_s + actLine(7) +
                             u"insert   into  acte(id,titlu,an,dataaparitie,monitoruloficial,emitent,"
                             "tipact,continut,nract)\n  values ( 8 ,'Ordinul d''urgenta','2006',"
                             "'31-12-2006',345,'ministerul finantelor publice','ordin',"
                             "'Art. 1.\n-- nu este comentariu\nArt. 2.', 99 ) ;\n"_s +
                             u"-- un comentariu\n"_s + kNewsHead + u"3, 'Știre nouă: „Codul”', 8);"_s;
        const Pack p = parse(text);
        QCOMPARE(p.name + QString::number(p.acts.size()), u"Actualizare martie 20072"_s);
        const Act& a = p.acts.at(1);
        QCOMPARE((QStringList{QString::number(a.id), a.titlu, a.monitoruloficial, a.continut, a.nract,
                              QString::number(a.line), p.news.at(0).titlu, QString::number(p.news.at(0).line)}),
                 (QStringList{u"8"_s, u"Ordinul d'urgenta"_s, u"345"_s, u"Art. 1.\n-- nu este comentariu\nArt. 2."_s,
                              u"99"_s, u"3"_s, u"Știre nouă: „Codul”"_s, u"8"_s}));

        // Refusals name the line and the reason.
        const QString ok = actLine(1);
        auto year = [](const char* y, const char* date) {
            return actLine(2,
                           u"'T', '%1', '%2', '1', 'e', 'lege', 'c', '1'"_s.arg(QLatin1String(y), QLatin1String(date)));
        };
        const struct {
            QString text;
            int line;
            const char* reason;
        } cases[] = {
            {ok + u"delete * from agenda;\n"_s, 2, "DELETE"},
            {ok + u"\n DROP TABLE Acte;"_s, 3, "DROP"},
            {u"INSERT INTO noutati (id, link, titlu) VALUES (1, 1, 'a');"_s, 1, "coloane"},
            {actLine(1).chopped(1) + u" "_s + actLine(2), 1, "aceeasi linie"},
            {kNewsHead + u"1, 'a', 1)\n"_s, 2, ";"},
            {ok + kNewsHead + u"1, 'a, 1);\n"_s, 2, "neincheiat"},
            {year("2007", "1-2-2007"), 1, "zz-ll-aaaa"},
            {year("2005", "29-02-2005"), 1, "zz-ll-aaaa"},
            {ok + u"\n"_s + ok, 3, "a doua oara"},
            {u"-- nimic\n\n"_s, 0, "niciun act"},
            {kNewsHead + u"1, 'a"_s + QChar(0) + u"b', 1);"_s, 1, "nul"},
        };
        for (const auto& c : cases) {
            try {
                parse(c.text);
                QFAIL(c.reason);
            } catch (const Refusal& r) {
                QVERIFY2(r.line == c.line && r.reason.contains(QLatin1String(c.reason), Qt::CaseInsensitive),
                         qPrintable(QString::number(r.line) + QLatin1Char(' ') + r.reason));
            }
        }
    }

    void gzipRoundTripAndDamage()
    {
        QTemporaryDir dir;
        const QByteArray text = (actLine(5) + kNewsHead + u"1, 'ș', 5);\n"_s).toUtf8().repeated(20);
        for (const QString& name : {u"p.sql"_s, u"p.sql.gz"_s}) {
            QVERIFY(writeFile(dir.filePath(name), text));
            QCOMPARE(readFile(dir.filePath(name)), text);
        }
        QFile gz(dir.filePath(u"p.sql.gz"_s));
        QVERIFY(gz.open(QIODevice::ReadOnly));
        const QByteArray packed = gz.readAll();
        QVERIFY(packed.startsWith("\x1f\x8b") && packed.size() < text.size() / 4); // really compressed
        // Cut short, or not there at all: refused, not read as a shorter pack.
        QFile cut(dir.filePath(u"cut.sql.gz"_s));
        QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write(packed.left(packed.size() / 2)) > 0);
        cut.close();
        QVERIFY_THROWS_EXCEPTION(Refusal, readFile(cut.fileName()));
        QVERIFY_THROWS_EXCEPTION(Refusal, readFile(dir.filePath(u"absent.sql"_s)));
    }

    // Mutated and random packs, a fixed number with a fixed seed
    // (TARVENOR_FUZZ_CASES sets more): every input ends in a pack or a refusal.
    void fuzz()
    {
        const int asked = qEnvironmentVariableIntValue("TARVENOR_FUZZ_CASES");
        const int cases = asked > 0 ? asked : 4000;
        const QString seedText = u"-- pachet\n"_s + actLine(1) + actLine(2) + kNewsHead + u"1, 'a''b', 2);\n"_s;
        const QString alphabet = u"'\";(),-\n 0123456789aAiInNsStTvV*ăș\\/"_s;
        std::mt19937 rng(20070314);
        int accepted = 0;
        for (int i = 0; i < cases; ++i) {
            QString text = seedText;
            for (int e = 1 + int(rng() % 6); e > 0; --e) {
                const int at = int(rng() % uint(text.size() + 1));
                switch (rng() % 3) {
                case 0: text.insert(at, alphabet[int(rng() % uint(alphabet.size()))]); break;
                case 1: text.remove(at, 1 + int(rng() % 8)); break;
                default: text.insert(at, text.mid(int(rng() % uint(text.size())), int(rng() % 40)));
                }
            }
            try {
                accepted += parse(text).acts.empty() ? 0 : 1;
            } catch (const Refusal& r) {
                QVERIFY(!r.reason.isEmpty());
                QVERIFY(r.line >= 0 && r.line <= text.count(QLatin1Char('\n')) + 1);
            }
        }
        QVERIFY(accepted > 0); // the mutations do not only break the pack
    }

    void appliesNewAndAmendedActsWithNews()
    {
        FormFixture f(true);
        addUserRows(f.program);
        const QStringList before = dump(f.program, "legi_favorite ultimele_legi agenda");
        QString big = u"Art. 1. - Începutul.\n"_s;
        while (big.size() < 2 * 1024 * 1024)
            big += u"Art. n. - Cetățeanul are dreptul la „apărare”; 'citat' -- nu e comentariu.\r\n"_s;
        const Act added = act(100, u"Ordonanța de urgență nr. 100/2007 privind d'Arc"_s, big);
        const Act amended =
            act(1, u"Legea nr. 53/2003 - Codul muncii, republicată"_s, u"Art. 1.\nArt. 2. - Modificat."_s);
        const QString path = f.program.dir() + u"/martie.sql.gz"_s;
        QVERIFY(writeFile(
            path, packText({added, amended}, {News{7, u"Știre: OUG 100"_s, 100, 0}, News{6, u"Înlocuită"_s, 1, 0}})
                      .toUtf8()));
        signPack(path);
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages, QStringList{success("1 1 2")});
        const auto rows = f.program.rows(u"select Titlu, An, DataAparitie, Monitoruloficial, Emitent, "
                                         "Tipact, Continut, nract from Acte where ID = 100"_s);
        QCOMPARE(rows.at(0), (QStringList{added.titlu, added.an, added.dataAparitie, added.monitoruloficial,
                                          added.emitent, added.tipact, big, added.nract}));
        QCOMPARE(f.program.scalar(u"select Continut from Acte where ID = 1"_s), amended.continut);
        QCOMPARE(f.program.count(u"Acte"_s), 46LL);
        QCOMPARE(dump(f.program, "legi_favorite ultimele_legi agenda"), before); // the user's own tables
        // The news list shows the two newest; the start-up list gained the new act.
        QCOMPARE(listColumn(*f.ui().List4, 1), (QStringList{u"Știre: OUG 100"_s, u"Înlocuită"_s}));
        QCOMPARE(f.ui().List1->Count(), 46);
    }

    void refusedCancelledOrBlockedPacksChangeNothing()
    {
        FormFixture f(true);
        addUserRows(f.program);
        const QStringList before = dump(f.program);
        std::vector<Act> acts;
        for (int i = 0; i < 3000; ++i)
            acts.push_back(act(1000 + i, u"Actul %1"_s.arg(i)));
        const QString path = f.program.dir() + u"/mare.sql"_s;
        QVERIFY(writeFile(path, packText(acts).toUtf8()));
        signPack(path);
        // Refused packs, each on its third line.
        const QString good = packText({act(300, u"Bun"_s)});
        const QByteArray refused[] = {
            (good + u"drop table agenda;\n"_s).toUtf8(),
            (good + newsStatement(News{9, u"x"_s, 999, 0}) + u";\n"_s).toUtf8(),
            good.toUtf8() + "-- \xE9\n", // not UTF-8
        };
        for (const QByteArray& bytes : refused) {
            const QString bad = f.program.dir() + u"/rau.sql"_s;
            QVERIFY(writeFile(bad, bytes));
            signPack(bad);
            f.dialogs.messages.clear();
            f.form().ImportUpdatePack(bad);
            QCOMPARE(f.dialogs.messages.size(), 1);
            const QString m = f.dialogs.messages[0];
            QVERIFY2(m.startsWith(u"Pachetul de actualizare a fost refuzat.\rLinia 3: "_s), qPrintable(m));
            QVERIFY(m.endsWith(u"\rCatalogul nu a fost modificat."_s));
            QCOMPARE(dump(f.program), before);
        }

        f.dialogs.messages.clear();
        f.dialogs.cancelAtStep = 1;
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages, QStringList{u"Actualizarea a fost anulata; catalogul a ramas neschimbat."_s});
        QCOMPARE(f.dialogs.progressLabels.value(0), u"Se actualizeaza catalogul..."_s);
        QCOMPARE(dump(f.program), before);

        // Another program holds the catalogue: the pack cannot land, nothing changes.
        f.dialogs.messages.clear();
        f.dialogs.cancelAtStep = -1;
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(f.program.dbPath().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        f.form().ImportUpdatePack(path);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QVERIFY2(
            f.dialogs.messages.value(0).startsWith(
                u"Actualizarea nu a putut fi aplicata; catalogul a ramas neschimbat.\rBaza de date este blocata"_s),
            qPrintable(f.dialogs.messages.value(0)));
        QCOMPARE(dump(f.program), before);

        // Once the other program lets go, the same pack lands without a restart,
        // here as chosen from the Update entry; the list on screen is kept.
        f.form().LegiCons_Click();
        f.dialogs.messages.clear();
        f.dialogs.fileToOpen = path;
        f.form().Update_Click();
        QCOMPARE(f.dialogs.messages, QStringList{success("3000 0 0")});
        QCOMPARE(f.ui().List1->Count(), 1); // the recent act, not every act
        QCOMPARE(f.dialogs.openCalls, 1);
        QVERIFY(f.dialogs.progressSteps > 0);
    }
};

QTEST_MAIN(UpdateTest)
#include "test_update.moc"
