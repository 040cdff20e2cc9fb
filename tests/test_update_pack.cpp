// The update-pack reader: what it accepts, what it refuses and where, and a
// bounded fuzz run (TARVENOR_FUZZ_CASES sets a longer one).

#include "catalogue/UpdatePack.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace UpdatePack;

namespace {

const QString kActHead = QStringLiteral(
    "INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) VALUES (");
const QString kNewsHead = QStringLiteral("INSERT INTO noutati (id, titlu, link) VALUES (");

QString actLine(int id, const QString& rest = QStringLiteral(
                            "'Legea nr. 1/2007', '2007', '01-02-2007', '12', 'parlamentul', 'lege', 'Art. 1.', '1'"))
{
    return kActHead + QString::number(id) + QStringLiteral(", ") + rest + QStringLiteral(");\n");
}

int refusalLine(const QString& text, QString* reason = nullptr)
{
    try {
        parse(text);
    } catch (const Refusal& r) {
        if (reason)
            *reason = r.reason;
        return r.line;
    }
    return -1;
}

} // namespace

class TestUpdatePack : public QObject {
    Q_OBJECT
private slots:
    void readsBothFormsWithFreeSpacingAndCase()
    {
        const QString text = QStringLiteral("-- Actualizare martie 2007\n") + actLine(7) +
                             QStringLiteral("insert   into  acte(id,titlu,an,dataaparitie,monitoruloficial,emitent,"
                                            "tipact,continut,nract)\n  values ( 8 ,'Ordinul d''urgenta','2006',"
                                            "'31-12-2006',345,'ministerul finantelor publice','ordin',"
                                            "'Art. 1.\n-- nu este comentariu\nArt. 2.', 99 ) ;\n") +
                             QStringLiteral("-- un comentariu\n") + kNewsHead +
                             QStringLiteral("3, 'Știre nouă: „Codul”', 8);");
        const Pack p = parse(text);
        QCOMPARE(p.name, QStringLiteral("Actualizare martie 2007"));
        QCOMPARE(int(p.acts.size()), 2);
        QCOMPARE(p.acts[1].id, 8);
        QCOMPARE(p.acts[1].titlu, QStringLiteral("Ordinul d'urgenta"));
        QCOMPARE(p.acts[1].monitoruloficial, QStringLiteral("345"));
        QCOMPARE(p.acts[1].continut, QStringLiteral("Art. 1.\n-- nu este comentariu\nArt. 2."));
        QCOMPARE(p.acts[1].nract, QStringLiteral("99"));
        QCOMPARE(p.acts[1].line, 3);
        QCOMPARE(int(p.news.size()), 1);
        QCOMPARE(p.news[0].titlu, QStringLiteral("Știre nouă: „Codul”"));
        QCOMPARE(p.news[0].link, 8);
        QCOMPARE(p.news[0].line, 8);
    }

    void writerAndReaderAgree()
    {
        Act a;
        a.id = 41;
        a.titlu = QStringLiteral("Hotărârea nr. 5/2005 privind d'Arc; -- 'test' /* x */");
        a.an = QStringLiteral("2005");
        a.dataAparitie = QStringLiteral("09-03-2005");
        a.monitoruloficial = QStringLiteral("200");
        a.emitent = QStringLiteral("guvernul romaniei");
        a.tipact = QStringLiteral("hotarare");
        a.continut = QStringLiteral("Art. 1.\r\n''dublu''\n\nArt. 2. ;");
        a.nract = QStringLiteral("5");
        News n;
        n.id = 2;
        n.titlu = QStringLiteral("O știre");
        n.link = 41;
        const Pack p = parse(actStatement(a) + QStringLiteral(";\n") + newsStatement(n) + QStringLiteral(";\n"));
        QCOMPARE(p.acts.at(0).titlu, a.titlu);
        QCOMPARE(p.acts.at(0).continut, a.continut);
        QCOMPARE(p.acts.at(0).dataAparitie, a.dataAparitie);
        QCOMPARE(p.news.at(0).link, 41);
    }

    void refusesWithTheLineAndReason_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reasonPart");
        const QString ok = actLine(1);
        QTest::newRow("delete") << ok + QStringLiteral("delete * from agenda;\n") << 2 << QStringLiteral("DELETE");
        QTest::newRow("drop") << ok + ok.left(0) + QStringLiteral("\n DROP TABLE Acte;") << 3 << QStringLiteral("DROP");
        QTest::newRow("update") << QStringLiteral("update Acte set Titlu = 'x';") << 1 << QStringLiteral("UPDATE");
        QTest::newRow("other table") << QStringLiteral("INSERT INTO agenda (id, titlu, link) VALUES (1, 'a', 1);") << 1
                                     << QStringLiteral("agenda");
        QTest::newRow("other columns") << QStringLiteral("INSERT INTO noutati (id, link, titlu) VALUES (1, 1, 'a');")
                                       << 1 << QStringLiteral("coloane");
        QTest::newRow("second statement")
            << actLine(1).chopped(1) + QStringLiteral(" ") + actLine(2) << 1 << QStringLiteral("aceeasi linie");
        QTest::newRow("missing semicolon") << kNewsHead + QStringLiteral("1, 'a', 1)\n") << 2 << QStringLiteral(";");
        QTest::newRow("unterminated text")
            << ok + kNewsHead + QStringLiteral("1, 'a, 1);\n") << 2 << QStringLiteral("neincheiat");
        QTest::newRow("bad literal") << kNewsHead + QStringLiteral("1, \"a\", 1);") << 1 << QStringLiteral("invalida");
        QTest::newRow("expression") << kNewsHead + QStringLiteral("1+1, 'a', 1);") << 1 << QStringLiteral("invalida");
        QTest::newRow("null") << kNewsHead + QStringLiteral("1, NULL, 1);") << 1 << QStringLiteral("invalida");
        QTest::newRow("value count") << kNewsHead + QStringLiteral("1, 'a');") << 1 << QStringLiteral("2 valori");
        QTest::newRow("text id") << kNewsHead + QStringLiteral("'1', 'a', 1);") << 1 << QStringLiteral("id");
        QTest::newRow("year of two digits")
            << ok + actLine(2, QStringLiteral("'T', '07', '01-02-2007', '1', 'e', 'lege', 'c', '1'")) << 2
            << QStringLiteral("patru cifre");
        QTest::newRow("year with letter")
            << actLine(2, QStringLiteral("'T', '20a7', '01-02-2007', '1', 'e', 'lege', 'c', '1'")) << 1
            << QStringLiteral("patru cifre");
        QTest::newRow("date form") << actLine(2, QStringLiteral("'T', '2007', '1-2-2007', '1', 'e', 'lege', 'c', '1'"))
                                   << 1 << QStringLiteral("zz-ll-aaaa");
        QTest::newRow("impossible date") << actLine(2, QStringLiteral(
                                                           "'T', '2005', '29-02-2005', '1', 'e', 'lege', 'c', '1'"))
                                         << 1 << QStringLiteral("zz-ll-aaaa");
        QTest::newRow("repeated act") << ok + QStringLiteral("\n") + ok << 3 << QStringLiteral("a doua oara");
        QTest::newRow("empty pack") << QStringLiteral("-- nimic\n\n") << 0 << QStringLiteral("niciun act");
        QTest::newRow("nul in text") << kNewsHead + QStringLiteral("1, 'a") + QChar(0) + QStringLiteral("b', 1);") << 1
                                     << QStringLiteral("nul");
    }

    void refusesWithTheLineAndReason()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, reasonPart);
        QString reason;
        QCOMPARE(refusalLine(text, &reason), line);
        QVERIFY2(reason.contains(reasonPart, Qt::CaseInsensitive), qPrintable(reason));
    }

    void decodesStrictUtf8AndGzip()
    {
        QCOMPARE(decode(QByteArray("\xEF\xBB\xBF"
                                   "ab")),
                 QStringLiteral("ab"));
        QCOMPARE(decode(QStringLiteral("ăîșțâ").toUtf8()), QStringLiteral("ăîșțâ"));
        for (const QByteArray& bad : {QByteArray("a\nb\n\xC3"), QByteArray("a\nb\n\xED\xA0\x80"),
                                      QByteArray("a\nb\n\xC0\xAF"), QByteArray("a\nb\n\xFF")}) {
            try {
                decode(bad);
                QFAIL("invalid UTF-8 accepted");
            } catch (const Refusal& r) {
                QCOMPARE(r.line, 3);
            }
        }
        QTemporaryDir dir;
        const QByteArray text = (actLine(5) + kNewsHead + QStringLiteral("1, 'ș', 5);\n")).toUtf8();
        for (const QString& name : {QStringLiteral("p.sql"), QStringLiteral("p.sql.gz")}) {
            const QString path = dir.filePath(name);
            QVERIFY(writeFile(path, text));
            QCOMPARE(readFile(path), text);
        }
        QFile gz(dir.filePath(QStringLiteral("p.sql.gz")));
        QVERIFY(gz.open(QIODevice::ReadOnly));
        QVERIFY(gz.read(2) == QByteArray("\x1f\x8b")); // really compressed
        QByteArray damaged = gz.readAll();
        gz.close();
        damaged = QByteArray("\x1f\x8b") + damaged.left(damaged.size() / 2);
        QFile cut(dir.filePath(QStringLiteral("cut.sql.gz")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(damaged);
        cut.close();
        QVERIFY_THROWS_EXCEPTION(Refusal, readFile(cut.fileName()));
        QVERIFY_THROWS_EXCEPTION(Refusal, readFile(dir.filePath(QStringLiteral("absent.sql"))));
    }

    // Mutated and random packs: every input ends in a pack or a refusal, quickly.
    void fuzz()
    {
        const int cases = qEnvironmentVariableIsSet("TARVENOR_FUZZ_CASES")
                              ? qEnvironmentVariableIntValue("TARVENOR_FUZZ_CASES")
                              : 4000;
        const QString seedText =
            QStringLiteral("-- pachet\n") + actLine(1) + actLine(2) + kNewsHead + QStringLiteral("1, 'a''b', 2);\n");
        const QString alphabet = QStringLiteral("'\";(),-\n 0123456789aAiInNsStTvV*ăș\\/");
        std::mt19937 rng(20070314);
        QElapsedTimer slowest;
        qint64 worstNs = 0;
        int accepted = 0;
        for (int i = 0; i < cases; ++i) {
            QString text = seedText;
            const int edits = 1 + int(rng() % 6);
            for (int e = 0; e < edits; ++e) {
                const int at = int(rng() % uint(text.size() + 1));
                switch (rng() % 3) {
                case 0: text.insert(at, alphabet[int(rng() % uint(alphabet.size()))]); break;
                case 1: text.remove(at, 1 + int(rng() % 8)); break;
                default: text.insert(at, text.mid(int(rng() % uint(text.size())), int(rng() % 40)));
                }
            }
            if (i % 10 == 0) { // now and then pure noise
                text.clear();
                for (int k = int(rng() % 200); k > 0; --k)
                    text += alphabet[int(rng() % uint(alphabet.size()))];
            }
            slowest.start();
            try {
                const Pack p = parse(text);
                ++accepted;
                for (const Act& a : p.acts)
                    QVERIFY(a.id > 0 && a.an.size() == 4);
            } catch (const Refusal& r) {
                QVERIFY(!r.reason.isEmpty());
                QVERIFY(r.line >= 0 && r.line <= text.count(QLatin1Char('\n')) + 1);
            }
            worstNs = std::max(worstNs, slowest.nsecsElapsed());
        }
        QVERIFY2(worstNs < 1000000000LL, "one input took more than a second");
        QVERIFY(accepted > 0); // the mutations do not only break the pack
        qInfo("%d fuzz cases, %d accepted, slowest %.2f ms", cases, accepted, double(worstNs) / 1e6);
    }
};

QTEST_GUILESS_MAIN(TestUpdatePack)
#include "test_update_pack.moc"
