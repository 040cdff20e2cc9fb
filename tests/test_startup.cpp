// The window's load step and its fixed shape, on the real database.
#include "support/TestSupport.h"

#include <QFile>
#include <QMenu>
#include <QtTest>

using namespace testsupport;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void windowShape()
    {
        FormFixture f(true);
        QCOMPARE(f.form().size(), QSize(803, 602));
        QVERIFY(f.form().windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f.form().windowTitle(), QStringLiteral("Tarvenor 2007"));
        // The act list's pop-up menu exists from the start, with its entry.
        const auto* menu = f.form().findChild<QMenu*>(QStringLiteral("st"));
        QVERIFY(menu && !menu->actions().isEmpty());
    }

    void loadFillsListsAndFixedFields()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        QCOMPARE(u.zi->count(), 31);
        QCOMPARE(u.zi->itemText(0), QStringLiteral("01"));
        QCOMPARE(u.zi->itemText(30), QStringLiteral("31"));
        QCOMPARE(u.zi->Text(), QStringLiteral("zz"));
        QCOMPARE(u.tipact->Text(), QStringLiteral("- Orice Tip Act -"));
        QCOMPARE(u.emitent->Text(), QStringLiteral("- Orice Emitent -"));

        QCOMPARE(u.List1->Count(), 45);
        QCOMPARE(u.List1->SubItem(0, 3), QStringLiteral("1"));
        QCOMPARE(u.List1->SubItem(0, 1), QStringLiteral("Legea nr. 53/2003 - Codul muncii"));
        QCOMPARE(u.List1->SubItem(0, 2), QStringLiteral("lege"));

        // Two newest news items, highest id first, with their act in sub-item 2.
        QCOMPARE(listColumn(*u.List4, 2), QStringList({QStringLiteral("40"), QStringLiteral("32")}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void fewerThanTwoNews()
    {
        TempProgram p;
        p.exec(QStringLiteral("insert into noutati (id, titlu, link) values (7, 'Unica', 1)"));
        Form1 form(p.dir(), nullptr, nullptr);
        QCOMPARE(form.controls().List4->Count(), 1);
        QCOMPARE(form.controls().List1->Count(), 0);
    }

    void windowOpensWithoutDatabase()
    {
        TempProgram p;
        QFile::remove(p.dbPath());
        RecordingDialogs dialogs;
        Form1 form(p.dir(), nullptr, &dialogs);
        QCOMPARE(form.controls().List1->Count(), 0);
        QCOMPARE(form.controls().List4->Count(), 0);
        QCOMPARE(form.controls().zi->count(), 31);
        QVERIFY(!QFile::exists(p.dbPath()));
    }

    void twoWindowsShareNothing()
    {
        FormFixture a(true);
        FormFixture b(false);
        QCOMPARE(a.ui().List1->Count(), 45);
        QCOMPARE(b.ui().List1->Count(), 0);
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
