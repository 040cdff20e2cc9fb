// The agenda of a practice on the real window and store: non-working days,
// procedural deadlines, the month calendar, today's count and calendar files.
#include "agenda/Holidays.h"
#include "store/modDB.h"
#include "support/TestSupport.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSpinBox>
#include <QTableView>
#include <QTextCharFormat>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

void seedTypes(FormFixture& f)
{
    f.program.exec(u"insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client')"_s);
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QDate day(const char* text)
{
    return QDate::fromString(QString::fromLatin1(text), u"dd.MM.yyyy"_s);
}

// Reads a calendar file with Python's icalendar, a reader that shares nothing with ours.
QJsonObject readCalendar(const QString& path)
{
    static const char* script = R"(
import sys, json, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
events = []
for ev in cal.walk('VEVENT'):
    s, e = ev['DTSTART'], ev['DTEND']
    events.append({'uid': str(ev['UID']), 'summary': str(ev['SUMMARY']),
                   'description': str(ev.get('DESCRIPTION', '')), 'start': s.dt.isoformat(),
                   'end': e.dt.isoformat(), 'tzid': s.params.get('TZID', '')})
print(json.dumps({'events': events, 'zones': [str(z['TZID']) for z in cal.walk('VTIMEZONE')]}))
)";
    // Debian's interpreter, where python3-icalendar lives.
    const QString python = QFile::exists(u"/usr/bin/python3"_s) ? u"/usr/bin/python3"_s : u"python3"_s;
    QProcess p;
    p.start(python, {u"-c"_s, QString::fromLatin1(script), path});
    p.waitForFinished(60000);
    if (p.exitCode() != 0)
        qWarning() << p.readAllStandardError();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

} // namespace

class AgendaPracticeTest : public QObject {
    Q_OBJECT

private slots:
    void orthodoxEaster()
    {
        QCOMPARE(Holidays::orthodoxEaster(2026), QDate(2026, 4, 12));
        QCOMPARE(Holidays::orthodoxEaster(2027), QDate(2027, 5, 2));
        for (int y = 2000; y <= 2040; ++y) {
            // Meeus's Julian rule, counted as month and day, then the 13 days
            // by which the old calendar trails the civil one in this century.
            const int a = y % 4, b = y % 7, c = y % 19;
            const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
            const int month = (d + e + 114) / 31, dayOfMonth = (d + e + 114) % 31 + 1;
            const QDate easter = QDate(y, month, dayOfMonth).addDays(13);
            QCOMPARE(Holidays::orthodoxEaster(y), easter);
            QVERIFY(Holidays::legalHoliday(easter).contains(u"Pastele"_s));
            QCOMPARE(Holidays::legalHoliday(easter.addDays(-2)).contains(u"Vinerea Mare"_s), y >= 2018);
            QVERIFY(Holidays::legalHoliday(easter.addDays(50)).contains(u"A doua zi de Rusalii"_s));
        }
    }

    void deadlines()
    {
        FormFixture f;
        writeFile(f.program.dir() + u"/db/zile-nelucratoare"_s,
                  "\xEF\xBB\xBF# inchis pentru inventar\r\n2026-03-16 Inventar la tribunal\n\n2026-13-01 gresit\nfara "
                  "data\n");
        f.restart();
        // One report at start names both bad lines by number.
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].contains(u"linia 4"_s) && f.dialogs.messages[0].contains(u"linia 5"_s));
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().calctermen_Click();
        QVERIFY(!u.termen->isHidden());
        QCOMPARE(u.termenstart->date(), f.today);
        enum { Z, S, L, A };             // days, weeks, months, years
        enum { Libere, Calendaristice }; // procedural free days, civil-code days
        const struct {
            const char* start;
            int n, unit, rule;
            const char* last;
            const char* movedFrom; // the nominal end when it is no working day
            const char* why;
        } cases[] = {
            // start + 30 + 1 = 07.01.2027, Sf. Ioan since 2024, so Friday 8th.
            {"07.12.2026", 30, Z, Libere, "08.01.2027", "07.01.2027", "Sf. Ioan Botezatorul"},
            // Civil code: start + 30 = 06.01 (Boboteaza), then 07.01 (Sf. Ioan): Friday.
            {"07.12.2026", 30, Z, Calendaristice, "08.01.2027", "06.01.2027", "Boboteaza"},
            // Before 2024, 6 and 7 January were working days.
            {"06.12.2021", 30, Z, Libere, "06.01.2022", nullptr, nullptr},
            {"07.12.2021", 30, Z, Libere, "07.01.2022", nullptr, nullptr},
            // Sunday 05.01.2025, then 6 and 7 January: a chain of three days.
            {"05.12.2024", 30, Z, Libere, "08.01.2025", "05.01.2025", "Duminica"},
            // Saturday 07.01.2023 (no holiday yet), Sunday: Monday.
            {"07.12.2022", 30, Z, Libere, "09.01.2023", "07.01.2023", "Sambata"},
            // Good Friday 2026 and the whole Easter weekend up to Easter Monday.
            {"11.03.2026", 30, Z, Calendaristice, "14.04.2026", "10.04.2026", "Vinerea Mare"},
            // Good Friday was a working day before 2018.
            {"15.03.2017", 30, Z, Calendaristice, "14.04.2017", nullptr, nullptr},
            // Rusalii Sunday 31.05.2026, Monday 1 June is both Rusalii and Children's Day.
            {"01.05.2026", 30, Z, Calendaristice, "02.06.2026", "31.05.2026", "Rusaliile"},
            // 1 May on a Friday, then the weekend.
            {"31.03.2026", 30, Z, Libere, "04.05.2026", "01.05.2026", "Ziua Muncii"},
            // 2027: Good Friday 30 April, 1 May, Easter 2 May, Easter Monday: Tuesday 4 May.
            {"31.03.2027", 30, Z, Calendaristice, "04.05.2027", "30.04.2027", "Vinerea Mare"},
            // Rusalii Monday 21.06.2027 (Easter + 50).
            {"21.05.2027", 1, L, Libere, "22.06.2027", "21.06.2027", "A doua zi de Rusalii"},
            // 15 August on a Friday.
            {"15.07.2025", 1, L, Libere, "18.08.2025", "15.08.2025", "Adormirea Maicii Domnului"},
            // 30 November is a holiday from 2012 on; in 2012 it runs into 1 December and a weekend.
            {"30.10.2011", 1, L, Libere, "30.11.2011", nullptr, nullptr},
            {"30.10.2012", 1, L, Calendaristice, "03.12.2012", "30.11.2012", "Sf. Andrei"},
            // 24 January from 2017.
            {"24.12.2013", 1, L, Libere, "24.01.2014", nullptr, nullptr},
            {"24.12.2017", 1, L, Libere, "25.01.2018", "24.01.2018", "Ziua Unirii Principatelor Romane"},
            // 1 June from 2017.
            {"01.05.2016", 1, L, Libere, "01.06.2016", nullptr, nullptr},
            {"01.05.2022", 1, L, Libere, "02.06.2022", "01.06.2022", "Ziua Copilului"},
            // Christmas on a Friday, 26th Saturday, then Sunday.
            {"25.11.2026", 30, Z, Calendaristice, "28.12.2026", "25.12.2026", "Craciunul"},
            // New Year on a Friday, 2 January Saturday.
            {"02.12.2026", 30, Z, Calendaristice, "04.01.2027", "01.01.2027", "Anul Nou"},
            // No 31 February: the month's last day; 2024 is a leap year, 2025 not.
            {"31.01.2025", 1, L, Libere, "28.02.2025", nullptr, nullptr},
            {"31.01.2024", 1, L, Calendaristice, "29.02.2024", nullptr, nullptr},
            {"29.02.2024", 1, A, Libere, "28.02.2025", nullptr, nullptr},
            {"29.02.2024", 4, A, Calendaristice, "29.02.2028", nullptr, nullptr},
            // 30.11 + 3 months has no 30 February: Sunday 28.02.2027, so Monday.
            {"30.11.2026", 3, L, Libere, "01.03.2027", "28.02.2027", "Duminica"},
            // Weeks end on the same weekday, whichever rule.
            {"07.12.2026", 2, S, Libere, "21.12.2026", nullptr, nullptr},
            {"07.12.2026", 2, S, Calendaristice, "21.12.2026", nullptr, nullptr},
            {"18.12.2026", 1, S, Libere, "28.12.2026", "25.12.2026", "Craciunul"},
            // Free days count one more than calendar days.
            {"02.03.2026", 10, Z, Libere, "13.03.2026", nullptr, nullptr},
            {"02.03.2026", 10, Z, Calendaristice, "12.03.2026", nullptr, nullptr},
            {"06.03.2026", 1, Z, Libere, "09.03.2026", "08.03.2026", "Duminica"},
            // The office's own closed day from db/zile-nelucratoare.
            {"02.03.2026", 13, Z, Libere, "17.03.2026", "16.03.2026", "Inventar la tribunal"},
        };
        for (const auto& c : cases) {
            u.termenstart->setDate(day(c.start));
            u.termennr->setValue(c.n);
            u.termenunit->setCurrentIndex(c.unit);
            u.termenfel->setCurrentIndex(c.rule);
            const QStringList lines = u.termenrezultat->text().split(QLatin1Char('\n'));
            const QString label = QString::fromLatin1(c.start) + u" + "_s + QString::number(c.n);
            QVERIFY2(lines[0].startsWith(u"Ultima zi: "_s + QLatin1String(c.last) + u", "_s), qPrintable(label));
            QCOMPARE(lines.size(), c.movedFrom ? 2 : 1);
            if (c.movedFrom)
                QCOMPARE(lines[1], QLatin1String(c.movedFrom) + u" este zi nelucratoare: "_s + QLatin1String(c.why));
        }
        u.termenstart->setDate(QDate(2026, 12, 7));
        u.termennr->setValue(30);
        u.termenunit->setCurrentIndex(Z);
        u.termenfel->setCurrentIndex(Libere);
        QCOMPARE(u.termenrezultat->text(),
                 u"Ultima zi: 08.01.2027, vineri\n07.01.2027 este zi nelucratoare: Sf. Ioan Botezatorul"_s);
    }

    void presetAndStoredEvent()
    {
        FormFixture f(false, QDate(2026, 12, 7));
        QFile::copy(QStringLiteral(TARVENOR_SOURCE_DIR "/db/termene-uzuale"),
                    f.program.dir() + u"/db/termene-uzuale"_s);
        f.restart();
        seedTypes(f);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        // Ctrl+T on the agenda opens the panel.
        f.form().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        QTest::keyClick(u.Text1, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!u.termen->isHidden());
        const int recurs = u.termenpreset->findText(u"recurs"_s, Qt::MatchStartsWith);
        const int reexaminare = u.termenpreset->findText(u"cerere de reexaminare"_s, Qt::MatchStartsWith);
        QVERIFY(recurs > 0 && reexaminare > 0);
        u.termenfel->setCurrentIndex(1);
        u.termenpreset->setCurrentIndex(reexaminare);
        emit u.termenpreset->activated(reexaminare);
        QCOMPARE(u.termennr->value(), 3);
        u.termenpreset->setCurrentIndex(recurs);
        emit u.termenpreset->activated(recurs);
        QCOMPARE(u.termennr->value(), 30);
        QCOMPARE(u.termenunit->currentText(), u"zile"_s);
        QCOMPARE(u.termenfel->currentIndex(), 0);
        QCOMPARE(u.termenpreset->currentIndex(), recurs);
        u.termencoment->setText(u"apel"_s);
        // No type chosen: refused, nothing stored, the panel stays.
        f.form().termenadauga_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.program.count(u"agenda"_s), 0);
        QVERIFY(!u.termen->isHidden());
        u.termentip->setCurrentIndex(u.termentip->findText(u"Intalnire client"_s));
        f.form().termenadauga_Click();
        QCOMPARE(joinedRows(f.program, u"select data, ora, coment, tipeveniment from agenda"_s),
                 QStringList({u"08.01.2027|24:00|apel: 30 zile libere de la 07.12.2026|2"_s}));
        QVERIFY(u.termen->isHidden() && !u.Frame2->isHidden());
        QCOMPARE(u.Text1->text(), u"08.01.2027"_s);
        QCOMPARE(listRows(*u.View1),
                 QStringList({u"|24:00|Intalnire client|apel: 30 zile libere de la 07.12.2026|1"_s}));
        // The day boxes of a non-working day are red and say why.
        f.form().Label15_Click();
        QCOMPARE(u.Text1->toolTip(), u"Sf. Ioan Botezatorul"_s);
        QCOMPARE(u.Text1->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(u.Text2->toolTip(), QString());
        QVERIFY(u.Text2->palette().color(QPalette::Text) != QColor(Qt::red));
        QCOMPARE(u.Text3->toolTip(), u"Sambata"_s);
    }

    void monthCalendar()
    {
        FormFixture f(false, QDate(2026, 12, 7));
        seedTypes(f);
        f.program.exec(u"insert into agenda (data, ora, coment, tipeveniment) values ('08.12.2026', '9', '', 1), "
                       "('08.12.2026', '10', '', 2), ('09.12.2026', '', '', 1), ('10.12.2026', '', '', 99)"_s);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label16_Click();
        const long long before = f.form().db().callCount();
        f.form().vezicalendar_Click();
        QCOMPARE(f.form().db().callCount() - before, 1);
        QVERIFY(!u.calendarluna->isHidden());
        QCOMPARE(u.calendar->firstDayOfWeek(), Qt::Monday);
        const auto fmt = [&](int y, int m, int d) { return u.calendar->dateTextFormat(QDate(y, m, d)); };
        QCOMPARE(fmt(2026, 12, 8).fontWeight(), int(QFont::Bold));
        QVERIFY(fmt(2026, 12, 8).toolTip().contains(u"2 evenimente"_s));
        QCOMPARE(fmt(2026, 12, 9).toolTip(), u"1 eveniment"_s);
        QVERIFY(fmt(2026, 12, 10).fontWeight() != QFont::Bold); // its type is gone: shown nowhere
        QCOMPARE(fmt(2026, 12, 1).foreground().color(), QColor(Qt::red));
        QCOMPARE(fmt(2026, 12, 1).toolTip(), u"Ziua Nationala a Romaniei"_s);
        QCOMPARE(fmt(2026, 12, 5).toolTip(), u"Sambata"_s);
        // Back returns to the same days.
        f.form().calendarinapoi_Click();
        QVERIFY(u.calendarluna->isHidden());
        QCOMPARE(u.Text1->text(), u"08.12.2026"_s);
        // The next month: one query; December's marks are gone, January's holidays are red.
        f.form().vezicalendar_Click();
        const long long shown = f.form().db().callCount();
        u.calendar->showNextMonth();
        QCOMPARE(f.form().db().callCount() - shown, 1);
        QVERIFY(fmt(2026, 12, 8).fontWeight() != QFont::Bold);
        QCOMPARE(fmt(2027, 1, 7).toolTip(), u"Sf. Ioan Botezatorul"_s);
        // Enter on a day opens the agenda on it.
        u.calendar->setSelectedDate(QDate(2027, 1, 20));
        auto* grid = u.calendar->findChild<QTableView*>();
        QVERIFY(grid);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(u.calendarluna->isHidden());
        QCOMPARE(QStringList({u.Text1->text(), u.Text3->text()}), QStringList({u"20.01.2027"_s, u"22.01.2027"_s}));
    }

    void todaysCount()
    {
        FormFixture f;
        seedTypes(f);
        // At start, by the system clock and the regional form.
        f.program.exec(u"insert into agenda (data, ora, coment, tipeveniment) values ('"_s +
                       ShortDate().toText(QDate::currentDate()) + u"', '9', '', 1)"_s);
        f.restart();
        QCOMPARE(f.ui().evazi->text(), u"1 eveniment azi"_s);
        QVERIFY(!f.ui().evazi->isHidden());
        f.program.exec(u"delete from agenda"_s);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        QVERIFY(u.evazi->isHidden());
        for (const char* expected : {"1 eveniment azi", "2 evenimente azi"}) {
            f.form().Label17_Click();
            u.tipev->setText(u"Termen instanta"_s);
            f.form().Label26_Click();
            QCOMPARE(u.evazi->text(), QLatin1String(expected));
        }
        // Moving an event away from today by an edit of the store, then any refill.
        f.program.exec(u"update agenda set data = '15.03.2007' where id = (select min(id) from agenda)"_s);
        f.form().Label16_Click();
        QCOMPARE(u.evazi->text(), u"1 eveniment azi"_s);
        // Midnight passes while the program runs.
        auto* clock = f.form().findChild<QTimer*>(u"evaziceas"_s);
        QVERIFY(clock);
        clock->setInterval(5);
        f.form().setToday(QDate(2007, 3, 15));
        QTRY_COMPARE(u.evazi->text(), u"1 eveniment azi"_s);
        f.form().setToday(QDate(2007, 3, 16));
        QTRY_VERIFY(u.evazi->isHidden());
    }

    void calendarFile()
    {
        FormFixture f;
        seedTypes(f);
        const QString comment = u"Dosar 12/2026, sala 3; \"urgent\"\nal doilea rand, cu \\ si 'ghilimele'"_s;
        f.program.exec(u"insert into agenda (data, ora, coment, tipeveniment) values ('08.12.2026', '9:30', "_s +
                       quoted(comment) +
                       u", 1), ('15.07.2026', '14.05', '', 2), ('08.12.2026', '24:00', 'apel', 1), "
                       "('09.12.2026', 'dupa', 'x', 2), ('10.12.2026', '7', '', 1), ('11.12.2026', '', '', 99), "
                       "('nu e data', '', '', 1)"_s);
        const QString path = f.program.dir() + u"/agenda.ics"_s;
        f.form().ExportAgenda(path);
        QCOMPARE(f.dialogs.messages.last(),
                 u"6 evenimente exportate.\r1 eveniment fara o data recunoscuta nu a fost exportat."_s);
        const QJsonObject cal = readCalendar(path);
        QCOMPARE(cal[u"zones"_s].toArray().first().toString(), u"Europe/Bucharest"_s);
        QStringList got, uids;
        for (const QJsonValue& v : cal[u"events"_s].toArray()) {
            const QJsonObject e = v.toObject();
            got << QStringList({e[u"summary"_s].toString(), e[u"start"_s].toString(), e[u"end"_s].toString(),
                                e[u"tzid"_s].toString()})
                       .join(QLatin1Char('|'));
            uids << e[u"uid"_s].toString();
            if (e[u"start"_s].toString().startsWith(u"2026-12-08T"_s))
                QCOMPARE(e[u"description"_s].toString(), comment);
        }
        QCOMPARE(got, QStringList({
                          u"Termen instanta|2026-12-08T09:30:00+02:00|2026-12-08T10:30:00+02:00|Europe/Bucharest"_s,
                          u"Intalnire client|2026-07-15T14:05:00+03:00|2026-07-15T15:05:00+03:00|Europe/Bucharest"_s,
                          u"Termen instanta (24:00)|2026-12-08|2026-12-09|"_s,
                          u"Intalnire client (dupa)|2026-12-09|2026-12-10|"_s,
                          u"Termen instanta|2026-12-10T07:00:00+02:00|2026-12-10T08:00:00+02:00|Europe/Bucharest"_s,
                          u"Eveniment|2026-12-11|2026-12-12|"_s,
                      }));
        // The database's own id and the event's: unique, and the same on a second export.
        const QString stem = f.program.scalar(u"select uid from agenda_uid"_s);
        QCOMPARE(stem.size(), 32);
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 6);
        QVERIFY(uids.first().contains(stem));
        f.form().ExportAgenda(path);
        QStringList again;
        for (const QJsonValue& v : readCalendar(path)[u"events"_s].toArray())
            again << v.toObject()[u"uid"_s].toString();
        QCOMPARE(again, uids);

        // A database older than the id: it gets one on the first export and keeps it.
        f.program.exec(u"drop table agenda_uid"_s);
        f.form().ExportAgenda(path);
        const QString made = f.program.scalar(u"select uid from agenda_uid"_s);
        QVERIFY(!made.isEmpty() && made != stem);
        f.form().ExportAgenda(path);
        QCOMPARE(f.program.scalar(u"select count(*) from agenda_uid"_s), u"1"_s);

        // The button asks for the file; cancelling writes nothing.
        f.dialogs.fileToSave = f.program.dir() + u"/ales.ics"_s;
        f.form().exportics_Click();
        QVERIFY(QFile::exists(f.dialogs.fileToSave));
        f.dialogs.fileToSave.clear();
        const int shownBefore = int(f.dialogs.messages.size());
        f.form().exportics_Click();
        QCOMPARE(int(f.dialogs.messages.size()), shownBefore);
        // A write that cannot happen says so and leaves no file behind.
        const QString bad = f.program.dir() + u"/lipsa/agenda.ics"_s;
        f.form().ExportAgenda(bad);
        QVERIFY(f.dialogs.messages.last().startsWith(u"Agenda nu a putut fi exportata"_s));
        QVERIFY(!QFile::exists(bad));
    }
};

QTEST_MAIN(AgendaPracticeTest)
#include "test_agenda_practice.moc"
