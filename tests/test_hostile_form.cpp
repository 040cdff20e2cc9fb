// Every text a user types that reaches a statement, fed through the real
// window with one corpus of hostile values: nothing reaches the user as an
// engine error, the value comes back as stored, no other row changes, and the
// file stays sound.

#include "catalogue/UpdatePack.h"
#include "store/TextEncoding.h"
#include "support/HostileCorpus.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace testsupport;

namespace {

// Messages that would mean the store or the program failed on a valid value.
bool isFailureMessage(const QString& m)
{
    for (const char* prefix : {"Eroare la baza", "Baza de date", "Fisierul bazei", "Instructiune", "A aparut o eroare",
                               "Identificator invalid", "Discul", "Accesul"})
        if (m.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

QString failures(const QStringList& messages)
{
    QStringList bad;
    for (const QString& m : messages)
        if (isFailureMessage(m))
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

int indexOfType(const ComboBox& combo, const QString& name)
{
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i) == name)
            return i;
    return -1;
}

} // namespace

class TestHostileForm : public QObject {
    Q_OBJECT
    // One window each for the whole corpus, as a user would go on typing.
    std::unique_ptr<FormFixture> m_search;
    std::unique_ptr<FormFixture> m_agenda;

private slots:
    void initTestCase()
    {
        m_search = std::make_unique<FormFixture>(true);
        m_agenda = std::make_unique<FormFixture>(true);
    }

    void cleanupTestCase()
    {
        m_search.reset();
        m_agenda.reset();
    }

    void searchFieldsNeverFailInTheStore_data()
    {
        QTest::addColumn<QString>("value");
        for (const HostileText& h : hostileCorpus())
            QTest::newRow(h.name) << h.value;
    }

    void searchFieldsNeverFailInTheStore()
    {
        QFETCH(QString, value);
        FormFixture& f = *m_search;
        Controls& u = f.ui();
        const QString acts = table(f.program, "Acte");
        for (QLineEdit* box : {u.cuvcheie, u.nract, u.nr, u.an}) {
            f.form().Cautare_Click();
            box->setText(value);
            f.dialogs.messages.clear();
            f.form().Label1_Click();
            QVERIFY2(failures(f.dialogs.messages).isEmpty(), qPrintable(failures(f.dialogs.messages)));
            // A typed number that is no number is the user's mistake, told as such.
            for (const QString& m : f.dialogs.messages)
                QVERIFY2(m.startsWith(QStringLiteral("Eroare:")), qPrintable(m.left(200)));
            if (box == u.cuvcheie && !value.contains(QLatin1Char('*')) && !value.contains(QLatin1Char('?')) &&
                !value.contains(QLatin1Char('#')) && !value.contains(QLatin1Char('['))) {
                // Without wildcards the keyword is found literally: every listed title holds it.
                const QString stored = TextEncoding::storedForm(box->text());
                for (const QString& title : listColumn(*u.List1, 1))
                    QVERIFY2(title.contains(stored, Qt::CaseInsensitive), qPrintable(title));
            }
            box->clear();
        }
        for (ComboBox* date : {u.zi, u.luna, u.anull}) {
            f.form().Cautare_Click();
            date->setText(value);
            f.dialogs.messages.clear();
            f.form().Label1_Click();
            QVERIFY2(failures(f.dialogs.messages).isEmpty(), qPrintable(failures(f.dialogs.messages)));
            u.zi->setText(QStringLiteral("zz"));
            u.luna->setText(QStringLiteral("ll"));
            u.anull->setText(QStringLiteral("aaaa"));
        }
        QCOMPARE(table(f.program, "Acte"), acts);
        QCOMPARE(f.program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void typesAndEventsKeepTheValue_data() { searchFieldsNeverFailInTheStore_data(); }

    void typesAndEventsKeepTheValue()
    {
        QFETCH(QString, value);
        FormFixture& f = *m_agenda;
        Controls& u = f.ui();
        const QString acts = table(f.program, "Acte");
        const QString favourites = table(f.program, "legi_favorite");
        const QString eventsBefore = table(f.program, "agenda");
        f.dialogs.messages.clear();

        // A new event type named by the value.
        f.form().Agenda_Click();
        f.form().Label17_Click();
        f.form().deftip_Click();
        u.tippev->setText(value);
        const QString typed = u.tippev->text();
        const long long typesBefore = f.program.count(QStringLiteral("tip_eveniment"));
        f.form().Label28_Click();
        QVERIFY2(failures(f.dialogs.messages).isEmpty(), qPrintable(failures(f.dialogs.messages)));
        QString typeName = QStringLiteral("Termen instanta");
        if (f.dialogs.messages.isEmpty()) {
            // Stored as typed (less what the file cannot hold) and offered by that name.
            QCOMPARE(f.program.count(QStringLiteral("tip_eveniment")), typesBefore + 1);
            // Names are kept without surrounding blanks, so that they can be picked by name.
            QCOMPARE(
                f.program.scalar(QStringLiteral("select tipeveniment from tip_eveniment order by id desc limit 1")),
                TextEncoding::storedForm(typed.trimmed()));
            typeName = TextEncoding::storedForm(typed.trimmed());
        } else {
            // Refused names (empty, or taken already) leave the table alone.
            QCOMPARE(f.program.count(QStringLiteral("tip_eveniment")), typesBefore);
            f.form().Label34_Click();
        }
        f.dialogs.messages.clear();
        const int index = indexOfType(*u.tipev, typeName);
        QVERIFY2(index >= 0, qPrintable(typeName.left(100)));
        u.tipev->setCurrentIndex(index);
        f.form().tipev_Click();

        // An event whose hour and comment are the value.
        u.Orra->setText(value);
        u.Com->setText(value);
        const QString hour = u.Orra->text();
        const QString comment = u.Com->Text();
        const QString day = u.Datafr->text();
        f.form().Label26_Click();
        QVERIFY2(failures(f.dialogs.messages).isEmpty(), qPrintable(failures(f.dialogs.messages)));
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(QLatin1Char('|')).left(200)));
        const auto rows = f.program.rows(
            QStringLiteral("select a.data, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b "
                           "where a.tipeveniment = b.id order by a.id desc limit 1"));
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0],
                 (QStringList{day, TextEncoding::storedForm(hour), TextEncoding::storedForm(comment), typeName}));
        // And the day view shows it back.
        QVERIFY(listRows(*u.View1).join(QChar(0x1e)).contains(TextEncoding::storedForm(hour)));

        QCOMPARE(table(f.program, "Acte"), acts);
        QCOMPARE(table(f.program, "legi_favorite"), favourites);
        QVERIFY(table(f.program, "agenda").startsWith(eventsBefore));
        QCOMPARE(f.program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void updatePackTextsLandIntact()
    {
        FormFixture f(true);
        const QString favourites = table(f.program, "legi_favorite") + table(f.program, "agenda");
        QString text;
        qint64 id = 1000;
        std::vector<std::pair<qint64, QString>> expected;
        int refusedKinds = 0;
        for (const HostileText& h : hostileCorpus()) {
            UpdatePack::Act a;
            a.id = ++id;
            a.titlu = QStringLiteral("Act ") + h.value;
            a.an = QStringLiteral("2007");
            a.dataAparitie = QStringLiteral("01-01-2007");
            a.emitent = h.value;
            a.tipact = QStringLiteral("lege");
            a.continut = h.value;
            a.nract = h.value;
            const QString statement = UpdatePack::actStatement(a) + QStringLiteral(";\n");
            // A pack file is UTF-8: what UTF-8 cannot carry, or a NUL, makes a pack refused.
            if (h.value.contains(QChar(0)) || TextEncoding::storedForm(h.value) != h.value) {
                ++refusedKinds;
                continue;
            }
            text += statement;
            expected.emplace_back(a.id, h.value);
        }
        QVERIFY(refusedKinds > 0);
        const QString path = f.program.dir() + QStringLiteral("/ostil.sql");
        QVERIFY(UpdatePack::writeFile(path, text.toUtf8()));
        f.form().ImportUpdatePack(path);
        QCOMPARE(
            f.dialogs.messages.value(0),
            QStringLiteral("Actualizare reusita: %1 acte noi, 0 acte actualizate, 0 noutati.").arg(expected.size()));
        for (const auto& [actId, value] : expected) {
            const auto row = f.program.rows(
                QStringLiteral("select Titlu, Emitent, Continut, nract from Acte where ID = %1").arg(actId));
            QCOMPARE(row.size(), size_t(1));
            QCOMPARE(row[0], (QStringList{QStringLiteral("Act ") + value, value, value, value}));
        }
        QCOMPARE(table(f.program, "legi_favorite") + table(f.program, "agenda"), favourites);
        QCOMPARE(f.program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestHostileForm)
#include "test_hostile_form.moc"
