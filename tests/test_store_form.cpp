// The store as the window meets it. A damaged or missing database: each
// action tells the trouble once, nothing is created, and once the file is back
// the next action works. Hostile typed text: never an engine error, kept as
// stored, no other row changed. The exit button keeps the last saved event.
#include "catalogue/UpdatePack.h"
#include "store/TextEncoding.h"
#include "support/HostileCorpus.h"
#include "support/SignedPacks.h"
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

using namespace testsupport;

namespace {

// Every file and folder below, less the engine's companions of an open database.
QStringList filesUnder(const QString& dir)
{
    QStringList out;
    for (QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        out << it.next();
    out.removeIf(
        [](const QString& p) { return p.endsWith(QLatin1String("-wal")) || p.endsWith(QLatin1String("-shm")); });
    out.sort();
    return out;
}

// Messages that would mean the store or the program failed on a valid value.
QString failures(const QStringList& messages)
{
    QStringList bad;
    for (const QString& m : messages)
        for (const char* prefix : {"Eroare la baza", "Baza de date", "Fisierul bazei", "Instructiune",
                                   "A aparut o eroare", "Identificator invalid", "Discul", "Accesul"})
            if (m.startsWith(QLatin1String(prefix)))
                bad << m.left(200);
    return bad.join(QStringLiteral(" | "));
}

QString table(const TempProgram& p, const char* name)
{
    QString out;
    for (const QStringList& row : p.rows(QStringLiteral("select * from %1 order by 1").arg(QLatin1String(name))))
        out += row.join(QChar(0x1f)) + QLatin1Char('\n');
    return out;
}

// The window in a child process: saves one event through the event panel,
// then presses the exit button and lets the event loop end.
int saveThenExit(const QString& programDir)
{
    Form1 form(programDir, nullptr, nullptr);
    form.setToday(QDate(2007, 3, 14));
    form.setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    form.show();
    Controls& u = form.controls();
    form.Agenda_Click();
    form.Label17_Click();
    u.tipev->setCurrentIndex(0);
    form.tipev_Click();
    u.Orra->setText(QStringLiteral("09:30"));
    u.Com->setText(QStringLiteral("Termen la Tribunalul București\rdosar 123/3/2007"));
    form.Label26_Click();
    QTimer::singleShot(0, &form, &Form1::Label27_Click);
    // A program that ignored the button would go on turning its loop: after
    // this many turns it has plainly not ended.
    int turns = 0;
    QTimer counter;
    QObject::connect(&counter, &QTimer::timeout, [&turns] {
        if (++turns == 10000)
            QApplication::exit(4);
    });
    counter.start(0);
    return QApplication::exec();
}

} // namespace

class StoreFormTest : public QObject {
    Q_OBJECT
    // One window for the whole corpus, as a user would go on typing.
    std::unique_ptr<FormFixture> m_window;

private slots:
    void initTestCase() { m_window = std::make_unique<FormFixture>(true); }
    void cleanupTestCase() { m_window.reset(); }

    void damagedStorage_data()
    {
        QTest::addColumn<int>("keepBytes"); // -1 garbage in place, -2 half, -3 no file, -4 no folder
        QTest::addColumn<QString>("told");  // words of the message
        QTest::newRow("missing file") << -3 << QStringLiteral("lipseste|database.sqlite");
        QTest::newRow("missing folder") << -4 << QStringLiteral("folderul|lipseste");
        const QString broken = QStringLiteral("Fisierul bazei de date|deteriorat");
        QTest::newRow("empty file") << 0 << broken;
        QTest::newRow("header only") << 100 << broken;
        QTest::newRow("first page") << 4096 << broken;
        QTest::newRow("half") << -2 << broken;
        QTest::newRow("garbage in place") << -1 << broken;
    }

    void damagedStorage()
    {
        QFETCH(int, keepBytes);
        QFETCH(QString, told);
        TempProgram program(true);
        const QString db = program.dbPath();
        QFile file(db);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray sound = file.readAll();
        if (keepBytes == -4) {
            QVERIFY(QDir(program.dir() + QStringLiteral("/db")).removeRecursively());
        } else if (keepBytes == -3) {
            QVERIFY(QFile::remove(db));
        } else if (keepBytes == -1) {
            QRandomGenerator rng(2007);
            QByteArray junk(sound.size(), '\0');
            for (char& c : junk)
                c = char(rng.bounded(256));
            QVERIFY(file.seek(0) && file.write(junk) == junk.size());
        } else {
            QVERIFY(file.resize(keepBytes == -2 ? sound.size() / 2 + 123 : keepBytes));
        }
        file.close();
        const QStringList before = filesUnder(program.dir());

        RecordingDialogs dialogs;
        Form1 form(program.dir(), nullptr, &dialogs);
        form.setToday(QDate(2007, 3, 14));
        form.setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        QVERIFY(dialogs.messages.isEmpty()); // start-up skips quietly
        QVERIFY(!form.controls().Frame1->isHidden());
        // Each action that reads tells the trouble once.
        for (void (*action)(Form1&) :
             {+[](Form1& w) { w.Cautare_Click(), w.Label1_Click(); }, +[](Form1& w) { w.LegiFav_Click(); },
              +[](Form1& w) { w.LegiCons_Click(); }, +[](Form1& w) { w.Agenda_Click(); },
              +[](Form1& w) { w.Label17_Click(), w.Label13_Click(); }}) {
            dialogs.messages.clear();
            action(form);
            QCOMPARE(dialogs.messages.size(), 1);
            for (const QString& word : told.split(QLatin1Char('|')))
                QVERIFY2(dialogs.messages[0].contains(word), qPrintable(dialogs.messages[0]));
        }
        QCOMPARE(filesUnder(program.dir()), before); // nothing made in the user's folder

        // The file comes back: the next action works in the same window.
        QDir().mkpath(program.dir() + QStringLiteral("/db"));
        QFile::remove(db);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sound) == sound.size());
        file.close();
        form.Agenda_Click();
        form.Label17_Click();
        Controls& u = form.controls();
        u.tipev->setCurrentIndex(0);
        form.tipev_Click();
        u.Orra->setText(QStringLiteral("11:00"));
        u.Com->setText(QStringLiteral("Programare"));
        dialogs.messages.clear();
        form.Label26_Click();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QLatin1Char('|'))));
        QCOMPARE(program.scalar(QStringLiteral("select count(*) from agenda where coment = 'Programare'")),
                 QStringLiteral("1"));
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void typedValuesReachTheStoreIntact_data() { addHostileRows(); }

    void typedValuesReachTheStoreIntact()
    {
        QFETCH(QString, value);
        FormFixture& f = *m_window;
        Controls& u = f.ui();
        const QString others = table(f.program, "Acte") + table(f.program, "legi_favorite");
        const QString eventsBefore = table(f.program, "agenda");
        auto noStoreFailure = [&] {
            QVERIFY2(failures(f.dialogs.messages).isEmpty(), qPrintable(failures(f.dialogs.messages)));
            f.dialogs.messages.clear();
        };

        // Every search field. A typed number that is no number is the user's
        // mistake, told as such; without wildcards the keyword is found
        // literally: every listed title holds it.
        for (QWidget* box : std::initializer_list<QWidget*>{u.cuvcheie, u.nract, u.nr, u.an, u.zi, u.luna, u.anull}) {
            f.form().Cautare_Click();
            if (auto* line = qobject_cast<QLineEdit*>(box))
                line->setText(value);
            else
                static_cast<ComboBox*>(box)->setText(value);
            f.form().Label1_Click();
            for (const QString& m : f.dialogs.messages)
                QVERIFY2(m.startsWith(QStringLiteral("Eroare:")), qPrintable(m.left(200)));
            noStoreFailure();
            if (box == u.cuvcheie && jetLiteralPattern(value) == value)
                for (const QString& title : listColumn(*u.List1, 1))
                    QVERIFY2(title.contains(TextEncoding::storedForm(u.cuvcheie->text()), Qt::CaseInsensitive),
                             qPrintable(title));
            for (QLineEdit* line : {u.cuvcheie, u.nract, u.nr, u.an})
                line->clear();
            u.zi->setText(QStringLiteral("zz"));
            u.luna->setText(QStringLiteral("ll"));
            u.anull->setText(QStringLiteral("aaaa"));
        }

        // A new event type named by the value: kept as typed, less
        // surrounding blanks and what the file cannot hold, and offered by
        // that name; refused names (empty, or taken already) leave the
        // table alone.
        const long long typesBefore = f.program.count(QStringLiteral("tip_eveniment"));
        f.form().Agenda_Click();
        f.form().Label17_Click();
        f.form().deftip_Click();
        u.tippev->setText(value);
        const QString typed = TextEncoding::storedForm(u.tippev->text().trimmed());
        f.form().Label28_Click();
        const bool added = f.dialogs.messages.isEmpty();
        noStoreFailure();
        QCOMPARE(f.program.count(QStringLiteral("tip_eveniment")), typesBefore + (added ? 1 : 0));
        if (!added)
            f.form().Label34_Click();
        const QString typeName = added ? typed : QStringLiteral("Termen instanta");
        const int index = u.tipev->findText(typeName);
        QVERIFY2(index >= 0, qPrintable(typeName.left(100)));
        u.tipev->setCurrentIndex(index);
        f.form().tipev_Click();

        // An event of that type whose hour and comment are the value, shown
        // back by the day view.
        u.Orra->setText(value);
        u.Com->setText(value);
        const QStringList expected{u.Datafr->text(), TextEncoding::storedForm(u.Orra->text()),
                                   TextEncoding::storedForm(u.Com->Text()), typeName};
        f.form().Label26_Click();
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(QLatin1Char('|')).left(200)));
        QCOMPARE(
            f.program.rows(QStringLiteral("select a.data, a.ora, a.coment, b.tipeveniment from agenda a, "
                                          "tip_eveniment b where a.tipeveniment = b.id order by a.id desc limit 1")),
            std::vector<QStringList>{expected});
        QVERIFY(listRows(*u.View1).join(QChar(0x1e)).contains(expected[1]));

        QCOMPARE(table(f.program, "Acte") + table(f.program, "legi_favorite"), others);
        QVERIFY(table(f.program, "agenda").startsWith(eventsBefore));
        QCOMPARE(f.program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void exitButtonEndsTheProgramAndKeepsTheEvent()
    {
        TempProgram program(true);
        QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), program.dir()}),
                 0);
        QCOMPARE(program.rows(QStringLiteral("select data, ora, coment from agenda")),
                 (std::vector<QStringList>{{QStringLiteral("14.03.2007"), QStringLiteral("09:30"),
                                            QStringLiteral("Termen la Tribunalul București\ndosar 123/3/2007")}}));
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void updatePackTextsLandIntact()
    {
        FormFixture f(true);
        const QString userRows = table(f.program, "legi_favorite") + table(f.program, "agenda");
        QString text;
        qint64 id = 1000;
        std::vector<std::pair<qint64, QString>> expected;
        for (const HostileText& h : hostileCorpus()) {
            // A pack file is UTF-8: what UTF-8 cannot carry, or a NUL, makes a pack refused.
            if (h.value.contains(QChar(0)) || TextEncoding::storedForm(h.value) != h.value)
                continue;
            UpdatePack::Act a;
            a.id = ++id;
            a.titlu = QStringLiteral("Act ") + h.value;
            a.an = QStringLiteral("2007");
            a.dataAparitie = QStringLiteral("01-01-2007");
            a.tipact = QStringLiteral("lege");
            a.emitent = a.continut = a.nract = h.value;
            text += UpdatePack::actStatement(a) + QStringLiteral(";\n");
            expected.emplace_back(a.id, h.value);
        }
        const QString path = f.program.dir() + QStringLiteral("/ostil.sql");
        QVERIFY(UpdatePack::writeFile(path, text.toUtf8()));
        signPack(path);
        f.form().ImportUpdatePack(path);
        QCOMPARE(
            f.dialogs.messages.value(0).section(QLatin1Char('\r'), 0, 0),
            QStringLiteral("Actualizare reusita: %1 acte noi, 0 acte actualizate, 0 noutati.").arg(expected.size()));
        for (const auto& [actId, value] : expected)
            QCOMPARE(f.program.rows(
                         QStringLiteral("select Titlu, Emitent, Continut, nract from Acte where ID = %1").arg(actId)),
                     (std::vector<QStringList>{{QStringLiteral("Act ") + value, value, value, value}}));
        QCOMPARE(table(f.program, "legi_favorite") + table(f.program, "agenda"), userRows);
        QCOMPARE(f.program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto child = args.indexOf(QStringLiteral("--child"));
    if (child > 0 && child + 1 < args.size())
        return saveThenExit(args[child + 1]);
    StoreFormTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_store_form.moc"
