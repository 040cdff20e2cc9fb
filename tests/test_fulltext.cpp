// The search in any spelling and word order, in the acts' texts, the index
// that serves it (built at start, kept by update packs and repaired after
// outside changes), and the hits shown in the viewer, through the real window.
#include "support/SignedPacks.h"
#include "support/TestSupport.h"

#include "catalogue/UpdatePack.h"
#include "shell/ListColumns.h"
#include "store/modDB.h"

#include <QCheckBox>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

struct Act {
    int id;
    const char* title;
    const char* text;
};

// Titles in every spelling a catalogue holds: comma and cedilla letters,
// capitals, none at all; texts with inflected forms for the stemmer.
const Act kActs[] = {
    {1, "Legea nr. 53/2003 - Codul muncii", "Contractul individual de munca se incheie in forma scrisa."},
    {2, "Legea sănătății publice", "Asigurarile de sanatate sunt obligatorii."},
    {3, "LEGEA SĂNĂTĂȚII MINTALE", "Text fara legatura."},
    {4, "Ordinul privind sănătăţii mediului", "Alt text."},
    {5, "Hotărârea privind învăţământul", "Contracte de muncă pentru profesori; contracte si iar contracte de muncă."},
    {6, "Legea privind procedura insolvenței", "Creditorii depun cererile."},
    {7, "Legea privind Codul civil", "Persoana fizica."},
    {8, "Ordin \"special\" * NEAR (x) AND -y titlu:z", "Nimic."},
    {9, "Regulament de ordine interioara", "Salariatii au dreptul la concediu; contractul colectiv de munca."},
    {10, "Ordin ĂÂÎȘŞȚŢ ăâîșşțţ", "Nimic."},
};

QString insertAct(int id, const QString& title, const QString& text)
{
    return u"INSERT INTO Acte (ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, Continut, nract) "
           "VALUES (%1, %2, '2005', '01-01-2005', '1', 'parlamentul', 'lege', %3, '1')"_s.arg(id)
               .arg(quoted(title), quoted(text));
}

void addActs(const TempProgram& p)
{
    for (const Act& a : kActs)
        p.exec(insertAct(a.id, QString::fromUtf8(a.title), QString::fromUtf8(a.text)));
}

UpdatePack::Act packAct(int id, const char* title, const char* text)
{
    UpdatePack::Act a;
    a.id = id;
    a.titlu = QString::fromUtf8(title);
    a.continut = QString::fromUtf8(text);
    a.an = u"2007"_s;
    a.dataAparitie = u"01-01-2007"_s;
    a.monitoruloficial = a.nract = u"1"_s;
    a.emitent = u"parlamentul"_s;
    a.tipact = u"lege"_s;
    return a;
}

QStringList search(FormFixture& f, const QString& keyword, bool inText)
{
    f.ui().cuvcheie->setText(keyword);
    f.ui().intext->setChecked(inText);
    f.form().Label1_Click();
    return listColumn(*f.ui().List1, ActColumn::Id);
}

QStringList ids(const char* spaced)
{
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
}

const char* const kIndexObjects = "select count(*) from sqlite_master where name like 'cautare%'";

struct Case {
    const char* keyword;
    bool inText;
    const char* expected; // ids in listing order
};

// Title cases list in the catalogue's order; text cases by relevance.
const Case kCases[] = {
    {"AAISSTT", false, "10"},
    {"ăâîșşțţ ĂÂÎȘŞȚŢ", true, "10"},
    {"sanatatii", false, "2 3 4"},
    {"SĂNĂTĂŢII", false, "2 3 4"},
    {"sănătății", false, "2 3 4"},
    {"Sănătăţii", false, "2 3 4"},
    {"INVATAMANTUL", false, "5"},
    {"învățământ hotararea", false, "5"},
    {"insolventei", false, "6"},
    {"civil codul", false, "7"},
    {"Codul muncii", false, "1"},
    {"munc", false, "1"},
    {"nr. 53/2003", false, "1"},
    {"de", false, "9"},
    {"munca", false, ""},
    {"munca", true, "5 1 9"},
    {"contractul munca", true, "5 1 9"},
    {"sanatate", true, "2 3 4"},
    {"codul muncii", true, "1"},
    {"\"special\"", false, "8"},
    {"*", false, "8"},
    {"NEAR", true, "8"},
    {"-y", false, "8"},
    {"titlu:z", true, "8"},
    {"(x)", false, "8"},
    {"AND", false, "8"},
    {"\"", true, "8"},
    {"'", true, ""},
    {"NEAR(munca", true, ""},
};

// Without the word index (or for acts changed since) the text hits come in
// the catalogue's order: compared as sets there.
void checkCases(FormFixture& f, const char* where, bool ranked)
{
    for (const Case& c : kCases) {
        const QString keyword = QString::fromUtf8(c.keyword);
        QStringList found = search(f, keyword, c.inText);
        QStringList expected = ids(c.expected);
        if (!ranked) {
            found.sort();
            expected.sort();
        }
        QCOMPARE_EQ(found, expected);
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(keyword + u" "_s + QLatin1String(where)));
    }
}

void showWindow(FormFixture& f)
{
    f.form().show();
    f.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form()));
}

void openFirstRow(FormFixture& f)
{
    f.ui().List1->setFocus();
    f.ui().List1->setCurrentIndex(f.ui().List1->model()->index(0, 0));
    QTest::keyClick(f.ui().List1, Qt::Key_Return);
}

int cursorAt(FormFixture& f)
{
    return f.ui().textlege->textCursor().selectionStart();
}

} // namespace

class FullTextTest : public QObject {
    Q_OBJECT

private slots:
    void foldedWordsAndTextsWithAndWithoutTheIndex()
    {
        FormFixture f;
        addActs(f.program);
        // Changed from outside since the start: the logged acts are checked directly.
        checkCases(f, "logged", false);
        f.restart();
        QCOMPARE(f.program.scalar(u"select count(*) from cautare_modificari"_s), u"0"_s);
        checkCases(f, "indexed", true);

        // A file made without the index, start cancelled: nothing changed,
        // the search still right; the next start builds it once.
        for (const char* drop :
             {"DROP TRIGGER cautare_inainte", "DROP TRIGGER cautare_adaugat", "DROP TRIGGER cautare_sters",
              "DROP TRIGGER cautare_schimbat", "DROP TABLE cautare_titlu", "DROP TABLE cautare_text",
              "DROP TABLE cautare_stare", "DROP TABLE cautare_modificari"})
            f.program.exec(QString::fromLatin1(drop));
        const QString before = f.program.scalar(u"select group_concat(name) from sqlite_master"_s);
        f.dialogs.cancelAtStep = 0;
        f.restart();
        QCOMPARE(f.program.scalar(u"select group_concat(name) from sqlite_master"_s), before);
        QCOMPARE(f.dialogs.progressLabels.size(), 1);
        checkCases(f, "without index", false);
        // An update pack lands on such a file as well.
        const QString pack = f.program.dir() + u"/pack.sql"_s;
        QVERIFY(UpdatePack::writeFile(
            pack,
            (UpdatePack::actStatement(packAct(40, "Ordin privind albinele", "Stupii se inregistreaza.")) + u";\n"_s)
                .toUtf8()));
        signPack(pack);
        f.dialogs.cancelAtStep = -1;
        f.form().ImportUpdatePack(pack);
        QCOMPARE(f.program.count(u"Acte"_s), 11LL);
        f.dialogs.messages.clear();
        QCOMPARE_EQ(search(f, u"stupii"_s, true), ids("40"));

        f.restart();
        f.restart();
        QCOMPARE(f.dialogs.progressLabels.size(), 3); // the cancelled start, the pack, one build
        checkCases(f, "rebuilt", true);
        // The rebuilt index is the one a new file gets from the schema.
        const TempProgram fresh;
        const QString shape = u"select group_concat(sql, ';') from (select sql from sqlite_master "
                              "where name like 'cautare%' order by name)"_s;
        QCOMPARE(f.program.scalar(shape), fresh.scalar(shape));
        QCOMPARE(f.program.count(u"legi_favorite"_s) + f.program.count(u"agenda"_s), 0);
    }

    void indexKeptByPacksAndOutsideChanges()
    {
        FormFixture f;
        addActs(f.program);
        f.restart();
        // The stock shell changes the file: a new act, a changed text, a
        // removed act, an act replaced in place.
        const QString shell = QStandardPaths::findExecutable(u"sqlite3"_s);
        const QString outside =
            insertAct(20, u"Ordin nou"_s, u"Pescuitul sportiv."_s) +
            u"; UPDATE Acte SET Continut = 'Vanatoarea.' WHERE ID = 9"_s
            u"; DELETE FROM Acte WHERE ID = 6"_s
            u"; INSERT OR REPLACE INTO Acte (ID, Titlu, Continut) VALUES (7, 'Codul civil', 'Uzucapiunea.')"_s;
        if (shell.isEmpty()) {
            f.program.exec(outside);
        } else {
            QProcess p;
            p.start(shell, {f.program.dbPath(), outside});
            QVERIFY(p.waitForFinished() && p.exitCode() == 0);
        }
        const std::pair<const char*, const char*> after[] = {{"pescuit", "20"},   {"vanatoare", "9"},
                                                             {"concediu", ""},    {"creditorii", ""},
                                                             {"uzucapiune", "7"}, {"persoana fizica", ""}};
        for (int round = 0; round < 2; ++round) {
            for (const auto& [word, expected] : after)
                QCOMPARE_EQ(search(f, QString::fromLatin1(word), true), ids(expected));
            f.restart(); // repairs the index from the log
        }
        QCOMPARE(f.program.scalar(u"select count(*) from cautare_modificari"_s), u"0"_s);
        f.program.exec(u"INSERT INTO cautare_text (cautare_text, rank) VALUES ('integrity-check', 0)"_s);

        // An update pack replaces an act and brings a new one; the index is
        // current when the pack has landed.
        const UpdatePack::Act replaced =
            packAct(1, "Legea nr. 53/2003 - Codul muncii, republicat", "Telemunca este permisa.");
        const UpdatePack::Act added = packAct(30, "Ordin despre albine", "Stupii se inregistreaza.");
        const QString path = f.program.dir() + u"/pack.sql"_s;
        QVERIFY(UpdatePack::writeFile(
            path,
            (UpdatePack::actStatement(replaced) + u";\n"_s + UpdatePack::actStatement(added) + u";\n"_s).toUtf8()));
        signPack(path);
        f.form().ImportUpdatePack(path);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(!f.dialogs.messages[0].contains(u"refuzat"_s), qPrintable(f.dialogs.messages[0]));
        QCOMPARE(f.program.scalar(u"select count(*) from cautare_modificari"_s), u"0"_s);
        QCOMPARE_EQ(search(f, u"stupii"_s, true), ids("30"));
        QCOMPARE_EQ(search(f, u"telemunca republicat"_s, true), ids("1"));
        QCOMPARE_EQ(search(f, u"scrisa"_s, true), ids(""));
        f.program.exec(u"INSERT INTO cautare_text (cautare_text, rank) VALUES ('integrity-check', 0)"_s);

        // A pack replacing an act just changed from outside and bringing new
        // ones: cancelled while indexing, then applied. The
        // triggers stay as they were and log outside changes afterwards.
        const QString triggers = u"select group_concat(sql, ';') from (select sql from sqlite_master "
                                 "where type = 'trigger' order by name)"_s;
        const QString triggersBefore = f.program.scalar(triggers);
        f.program.exec(u"UPDATE Acte SET Continut = 'Apicultorii vand.' WHERE ID = 9"_s);
        const QString second = f.program.dir() + u"/pack2.sql"_s;
        QString text;
        for (const UpdatePack::Act& a : {packAct(9, "Regulament apicol", "Mierea se vinde."),
                                         packAct(31, "Ordin despre faguri", "Fagurii se curata."),
                                         packAct(33, "Ordin despre polen", "Polenul se aduna.")})
            text += UpdatePack::actStatement(a) + u";\n"_s;
        QVERIFY(UpdatePack::writeFile(second, text.toUtf8()));
        signPack(second, versionComment(u"2026.12.08"_s));
        const std::pair<const char*, const char*> cancelled[] = {
            {"apicultor", "9"}, {"mierea", ""}, {"fagurii", ""}, {"polen", ""}};
        const std::pair<const char*, const char*> applied[] = {
            {"apicultor", ""}, {"mierea", "9"}, {"fagurii", "31"}, {"polen", "33"}, {"regulament apicol", "9"}};
        f.dialogs.cancelAtStep = f.dialogs.progressSteps;
        f.form().ImportUpdatePack(second);
        QVERIFY2(f.dialogs.messages.last().contains(u"anulata"_s), qPrintable(f.dialogs.messages.last()));
        for (const auto& [word, expected] : cancelled)
            QCOMPARE_EQ(search(f, QString::fromLatin1(word), true), ids(expected));
        QCOMPARE(f.program.scalar(triggers), triggersBefore);
        f.dialogs.cancelAtStep = -1;
        f.form().ImportUpdatePack(second);
        QVERIFY2(f.dialogs.messages.last().contains(u"reusita"_s), qPrintable(f.dialogs.messages.last()));
        QCOMPARE(f.program.scalar(u"select count(*) from cautare_modificari"_s), u"0"_s);
        for (const auto& [word, expected] : applied)
            QCOMPARE_EQ(search(f, QString::fromLatin1(word), true), ids(expected));
        f.program.exec(u"INSERT INTO cautare_text (cautare_text, rank) VALUES ('integrity-check', 0)"_s);
        QCOMPARE(f.program.scalar(triggers), triggersBefore);
        // The bulk write's memory setting is put back: FTS5's default.
        QCOMPARE(f.program.scalar(u"select group_concat(v) from (select v from cautare_text_config where k = "
                                  "'hashsize' union all select v from cautare_titlu_config where k = 'hashsize')"_s),
                 u"1048576,1048576"_s);
        f.program.exec(insertAct(32, u"Ordin nou"_s, u"Ciupercile."_s));
        QCOMPARE_EQ(search(f, u"ciuperci"_s, true), ids("32"));
        QCOMPARE(f.program.scalar(u"select count(*) from cautare_modificari"_s), u"1"_s);
    }

    void hitsFindFieldAndEnter()
    {
        FormFixture f;
        addActs(f.program);
        f.restart();
        showWindow(f);
        Controls& u = f.ui();

        // Enter in a search field runs the search; Enter on a row opens it.
        u.cuvcheie->setText(u"hotararea"_s);
        u.intext->setChecked(true);
        u.cuvcheie->setFocus();
        QTest::keyClick(u.cuvcheie, Qt::Key_Return);
        QCOMPARE_EQ(listColumn(*u.List1, ActColumn::Id), ids("5"));
        u.cuvcheie->setText(u"MUNCĂ"_s);
        u.nract->setFocus();
        QTest::keyClick(u.nract, Qt::Key_Enter);
        QCOMPARE_EQ(listColumn(*u.List1, ActColumn::Id), ids("5 1 9"));
        openFirstRow(f);
        QVERIFY(u.textlege->isVisible());

        // Every hit of "munca" and of its stem, in any spelling; F3 walks them.
        const QString text = u.textlege->toPlainText();
        const QList<QTextEdit::ExtraSelection> hits = u.textlege->extraSelections();
        QCOMPARE(hits.size(), 2);
        QStringList marked;
        for (const auto& h : hits)
            marked << h.cursor.selectedText();
        QCOMPARE(marked, utf8List({"muncă", "muncă"}));
        const int first = hits[0].cursor.selectionStart();
        const int second = hits[1].cursor.selectionStart();
        QCOMPARE(cursorAt(f), first);
        QTest::keyClick(&f.form(), Qt::Key_F3);
        QCOMPARE(cursorAt(f), second);
        QTest::keyClick(&f.form(), Qt::Key_F3);
        QCOMPARE(cursorAt(f), first);
        QTest::keyClick(&f.form(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(cursorAt(f), second);

        // The find field: found as typed, folded; Enter goes on; Esc closes
        // it and nothing else.
        QTest::keyClick(&f.form(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(u.gaseste->isVisible() && u.gaseste->hasFocus());
        QTest::keyClicks(u.gaseste, u"CONTRACTE"_s);
        QCOMPARE(u.textlege->extraSelections().size(), 3);
        const int found = cursorAt(f);
        QCOMPARE(text.mid(found, 9).toLower(), u"contracte"_s);
        QTest::keyClick(u.gaseste, Qt::Key_Return);
        QVERIFY(cursorAt(f) > found);
        QTest::keyClick(u.gaseste, Qt::Key_Escape);
        QVERIFY(!u.gaseste->isVisible() && u.textlege->isVisible());
        QVERIFY(u.textlege->extraSelections().isEmpty());

        // Back to the list: a favourites list opened afterwards shows no marks.
        f.form().Inapoi_Click();
        f.form().LegiFav_Click();
        f.form().Cautare_Click();
        u.cuvcheie->clear();
        f.form().Label1_Click();
        QVERIFY(u.List1->Count() > 0);
        openFirstRow(f);
        QVERIFY(u.textlege->extraSelections().isEmpty());

        // Templates: the find field works there too.
        f.form().Contracte_Click();
        u.List3->setCurrentIndex(u.List3->model()->index(0, 0));
        f.form().List3_DblClick();
        QTest::keyClick(&f.form(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(u.gaseste, u"contract"_s);
        QVERIFY(!u.textlege->extraSelections().isEmpty());
    }
};

QTEST_MAIN(FullTextTest)
#include "test_fulltext.moc"
