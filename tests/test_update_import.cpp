// Update packs applied through the window: all or nothing, the user's own
// tables never touched, the lists refilled.

#include "catalogue/UpdatePack.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <sqlite3.h>

using namespace testsupport;

namespace {

UpdatePack::Act act(qint64 id, const QString& title, const QString& body = QStringLiteral("Art. 1. - Text."))
{
    UpdatePack::Act a;
    a.id = id;
    a.titlu = title;
    a.an = QStringLiteral("2007");
    a.dataAparitie = QStringLiteral("15-03-2007");
    a.monitoruloficial = QStringLiteral("180");
    a.emitent = QStringLiteral("parlamentul");
    a.tipact = QStringLiteral("lege");
    a.continut = body;
    a.nract = QString::number(id);
    return a;
}

QString packText(const std::vector<UpdatePack::Act>& acts, const std::vector<UpdatePack::News>& news)
{
    QString text = QStringLiteral("-- Pachet de proba\n");
    for (const auto& a : acts)
        text += UpdatePack::actStatement(a) + QStringLiteral(";\n");
    for (const auto& n : news)
        text += UpdatePack::newsStatement(n) + QStringLiteral(";\n");
    return text;
}

UpdatePack::News news(qint64 id, const QString& title, qint64 link)
{
    UpdatePack::News n;
    n.id = id;
    n.titlu = title;
    n.link = link;
    return n;
}

// Every table's rows, as a dump to compare before and after.
QString dump(const TempProgram& p)
{
    QString out;
    for (const char* table : {"Acte", "noutati", "legi_favorite", "ultimele_legi", "tip_eveniment", "agenda"})
        for (const QStringList& row : p.rows(QStringLiteral("select * from %1 order by 1").arg(QLatin1String(table))))
            out += QLatin1String(table) + QLatin1Char(':') + row.join(QChar(0x1f)) + QLatin1Char('\n');
    return out;
}

void addUserRows(const TempProgram& p)
{
    p.exec(QStringLiteral(
        "insert into legi_favorite (id_acte) values (1); insert into ultimele_legi (id_acte) values (2);"
        "insert into agenda (data, ora, coment, tipeveniment) values ('14.03.2007', '10:00', 'Termen', 1)"));
}

} // namespace

class TestUpdateImport : public QObject {
    Q_OBJECT
private slots:
    void appliesNewAndAmendedActsWithNews()
    {
        FormFixture f(true);
        addUserRows(f.program);
        const QString userBefore = f.program.scalar(QStringLiteral(
            "select group_concat(x, '|') from (select id || ',' || id_acte as x from legi_favorite union all "
            "select data || ora || coment from agenda union all select id || ',' || id_acte from ultimele_legi)"));
        QString big = QStringLiteral("Art. 1. - Începutul.\n");
        while (big.size() < 2 * 1024 * 1024)
            big += QStringLiteral("Art. n. - Cetățeanul are dreptul la „apărare”; 'citat' -- nu e comentariu.\r\n");
        const auto newAct = act(100, QStringLiteral("Ordonanța de urgență nr. 100/2007 privind d'Arc"), big);
        const auto amended = act(1, QStringLiteral("Legea nr. 53/2003 - Codul muncii, republicată"),
                                 QStringLiteral("Art. 1.\nArt. 2. - Modificat."));
        const QString path = f.program.dir() + QStringLiteral("/martie.sql.gz");
        QVERIFY(UpdatePack::writeFile(path, packText({newAct, amended}, {news(7, QStringLiteral("Știre: OUG 100"), 100),
                                                                         news(6, QStringLiteral("Înlocuită"), 1)})
                                                .toUtf8()));
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Actualizare reusita: 1 acte noi, 1 acte actualizate, 2 noutati.")});
        const auto rows = f.program.rows(QStringLiteral("select Titlu, An, DataAparitie, Monitoruloficial, Emitent, "
                                                        "Tipact, Continut, nract from Acte where ID = 100"));
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0], (QStringList{newAct.titlu, newAct.an, newAct.dataAparitie, newAct.monitoruloficial,
                                       newAct.emitent, newAct.tipact, big, newAct.nract}));
        QCOMPARE(f.program.scalar(QStringLiteral("select Continut from Acte where ID = 1")), amended.continut);
        QCOMPARE(f.program.count(QStringLiteral("Acte")), 46LL);
        QCOMPARE(f.program.scalar(QStringLiteral("select titlu from noutati where id = 6")),
                 QStringLiteral("Înlocuită"));
        // The user's own tables are as they were.
        QCOMPARE(
            f.program.scalar(QStringLiteral(
                "select group_concat(x, '|') from (select id || ',' || id_acte as x from legi_favorite union all "
                "select data || ora || coment from agenda union all select id || ',' || id_acte from ultimele_legi)")),
            userBefore);
        // News list shows the two newest; the start-up list gained the new act.
        QCOMPARE(listColumn(*f.ui().List4, 1),
                 (QStringList{QStringLiteral("Știre: OUG 100"), QStringLiteral("Înlocuită")}));
        QCOMPARE(f.ui().List1->Count(), 46);
        QVERIFY(listColumn(*f.ui().List1, 1).contains(newAct.titlu));
        QCOMPARE(f.program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void plainPackAndSearchListKept()
    {
        FormFixture f(true);
        f.form().LegiCons_Click(); // List1 no longer shows every act
        const int shown = f.ui().List1->Count();
        const QString path = f.program.dir() + QStringLiteral("/p.sql");
        QVERIFY(UpdatePack::writeFile(path, packText({act(200, QStringLiteral("Legea nr. 200/2007"))}, {}).toUtf8()));
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages.value(0),
                 QStringLiteral("Actualizare reusita: 1 acte noi, 0 acte actualizate, 0 noutati."));
        QCOMPARE(f.ui().List1->Count(), shown);
        QCOMPARE(f.program.scalar(QStringLiteral("select Titlu from Acte where ID = 200")),
                 QStringLiteral("Legea nr. 200/2007"));
    }

    void refusedPacksChangeNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedLine");
        const QString good = packText({act(300, QStringLiteral("Bun"))}, {});
        QTest::newRow("drop after good rows")
            << good + QStringLiteral("drop table agenda;\n") << QStringLiteral("Linia 3:");
        QTest::newRow("delete") << good + QStringLiteral("DELETE * FROM legi_favorite;\n")
                                << QStringLiteral("Linia 3:");
        QTest::newRow("news to missing act")
            << good + UpdatePack::newsStatement(news(9, QStringLiteral("x"), 999)) + QStringLiteral(";\n")
            << QStringLiteral("Linia 3:");
        QTest::newRow("bad year") << good + UpdatePack::actStatement([] {
                                         auto a = act(301, QStringLiteral("Rau"));
                                         a.an = QStringLiteral("207");
                                         return a;
                                     }()) +
                                         QStringLiteral(";\n")
                                  << QStringLiteral("Linia 3:");
        QTest::newRow("not utf-8") << good + QString::fromLatin1("-- \xE9\n") << QStringLiteral("Linia 3:");
    }

    void refusedPacksChangeNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, expectedLine);
        FormFixture f(true);
        addUserRows(f.program);
        const QString before = dump(f.program);
        const QString path = f.program.dir() + QStringLiteral("/rau.sql");
        QByteArray bytes = text.toUtf8();
        if (QTest::currentDataTag() == QByteArray("not utf-8"))
            bytes = text.toLatin1();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages.size(), 1);
        const QString m = f.dialogs.messages[0];
        QVERIFY2(m.startsWith(QStringLiteral("Pachetul de actualizare a fost refuzat.\r") + expectedLine),
                 qPrintable(m));
        QVERIFY(m.endsWith(QStringLiteral("Catalogul nu a fost modificat.")));
        QCOMPARE(dump(f.program), before);
    }

    void cancelAndStoreFailureRollBack()
    {
        FormFixture f(true);
        addUserRows(f.program);
        const QString before = dump(f.program);
        std::vector<UpdatePack::Act> acts;
        for (int i = 0; i < 3000; ++i)
            acts.push_back(act(1000 + i, QStringLiteral("Actul %1").arg(i)));
        const QString path = f.program.dir() + QStringLiteral("/mare.sql");
        QVERIFY(UpdatePack::writeFile(path, packText(acts, {}).toUtf8()));

        f.dialogs.cancelAtStep = 1;
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages.value(0),
                 QStringLiteral("Actualizarea a fost anulata; catalogul a ramas neschimbat."));
        QCOMPARE(f.dialogs.progressLabels.value(0), QStringLiteral("Se actualizeaza catalogul..."));
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
        QVERIFY2(f.dialogs.messages.value(0).startsWith(QStringLiteral(
                     "Actualizarea nu a putut fi aplicata; catalogul a ramas neschimbat.\rBaza de date este blocata")),
                 qPrintable(f.dialogs.messages.value(0)));
        QCOMPARE(dump(f.program), before);

        // Once the other program lets go, the same pack lands without a restart.
        f.dialogs.messages.clear();
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages.value(0),
                 QStringLiteral("Actualizare reusita: 3000 acte noi, 0 acte actualizate, 0 noutati."));
        QVERIFY(f.dialogs.progressSteps > 0);
    }

    void updateEntryAsksForTheFile()
    {
        FormFixture f(true);
        f.dialogs.fileToOpen.clear();
        f.form().Update_Click();
        QCOMPARE(f.dialogs.openCalls, 1);
        QVERIFY(f.dialogs.messages.isEmpty()); // cancelled: nothing happens
        const QString path = f.program.dir() + QStringLiteral("/p.sql");
        QVERIFY(UpdatePack::writeFile(path, packText({act(400, QStringLiteral("Legea nr. 400/2007"))}, {}).toUtf8()));
        f.dialogs.fileToOpen = path;
        f.form().Update_Click();
        QCOMPARE(f.dialogs.messages.value(0),
                 QStringLiteral("Actualizare reusita: 1 acte noi, 0 acte actualizate, 0 noutati."));
        QVERIFY(!f.ui().Frame1->isHidden()); // no panel changes
    }
};

QTEST_MAIN(TestUpdateImport)
#include "test_update_import.moc"
