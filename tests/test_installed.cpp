// The installed form (the package's marker db/installed): the program folder
// is never written, the catalogue is read from it, and each user's favourites,
// recent acts and agenda live in their own XDG data folder, apart and kept
// across restarts.
#include "catalogue/UpdatePack.h"
#include "support/SignedPacks.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// Every file below the folder with a digest of its bytes.
QStringList digest(const QString& dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        out << f.fileName() + QLatin1Char(' ') +
                   QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
    }
    out.sort();
    return out;
}

struct Installed {
    TempProgram program{true};
    QTemporaryDir state, homeA, homeB;
    RecordingDialogs dialogs;
    std::unique_ptr<Form1> form;

    Installed()
    {
        QFile marker(program.dir() + QStringLiteral("/db/installed"));
        marker.open(QIODevice::WriteOnly);
        QFile::copy(QStringLiteral(TARVENOR_SCHEMA_PATH), program.dir() + QStringLiteral("/db/schema.sql"));
        qputenv("TARVENOR_STATE_DIR", state.path().toUtf8());
    }
    Form1& as(const QTemporaryDir& home)
    {
        form.reset();
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        form = std::make_unique<Form1>(program.dir(), nullptr, &dialogs);
        form->setToday(QDate(2007, 3, 14));
        form->setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        return *form;
    }
    Controls& ui() { return form->controls(); }
    // The user's favourites, recent acts and the middle day's events.
    QStringList own()
    {
        form->LegiFav_Click();
        const QStringList favourites = listColumn(*ui().List1, 3);
        form->LegiCons_Click();
        const QStringList recent = listColumn(*ui().List1, 3);
        form->Agenda_Click();
        return {favourites.join(u' '), recent.join(u' '), listColumn(*ui().View2, 1).join(u' ')};
    }
    void addOwn(int row, const QString& hour)
    {
        form->Cautare_Click();
        form->Label1_Click(); // no criteria: the whole catalogue
        ui().List1->selectRow(row);
        form->List1_DblClick();
        form->Fav_Click();
        form->Agenda_Click();
        form->Label18_Click();
        ui().tipev->setCurrentIndex(ui().tipev->findText(QStringLiteral("Consultatie")));
        form->tipev_Click();
        ui().Orra->setText(hour);
        form->Label26_Click();
    }
};

} // namespace

class InstalledTest : public QObject {
    Q_OBJECT

private slots:
    void usersKeptApartAndProgramFolderUntouched()
    {
        Installed in;
        const QStringList before = digest(in.program.dir());
        in.as(in.homeA);
        const QString catalogueFirst = listRows(*in.ui().List1).value(0);
        // The search reads the catalogue it cannot write, in any spelling.
        in.ui().cuvcheie->setText(u"MUNCII"_s);
        in.form->Label1_Click();
        QVERIFY(in.ui().List1->Count() > 0);
        QVERIFY(in.dialogs.messages.isEmpty());
        QVERIFY(in.ui().List1->Count() > 0);
        QCOMPARE(in.own(), QStringList({QString(), QString(), QString()}));
        in.addOwn(0, QStringLiteral("09:00"));
        const QStringList ownA = in.own();
        QVERIFY(!ownA.at(0).isEmpty() && ownA.at(0) == ownA.at(1) && ownA.at(2) == u"09:00"_s);

        in.as(in.homeB);
        QCOMPARE(listRows(*in.ui().List1).value(0), catalogueFirst);
        QCOMPARE(in.own(), QStringList({QString(), QString(), QString()}));
        in.addOwn(1, QStringLiteral("11:00"));
        const QStringList ownB = in.own();
        QVERIFY(ownB.at(0) != ownA.at(0) && ownB.at(2) == u"11:00"_s);

        in.as(in.homeA); // a restart of the first user
        QCOMPARE(in.own(), ownA);
        in.form.reset();
        QCOMPARE(digest(in.program.dir()), before);
        for (const QTemporaryDir* home : {&in.homeA, &in.homeB}) {
            const QFileInfo folder(home->path() + QStringLiteral("/tarvenor"));
            QVERIFY(QFileInfo::exists(folder.filePath() + QStringLiteral("/user.sqlite")));
            // Colleagues on the same machine cannot read it.
            const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
            QVERIFY(!(folder.permissions() & others));
        }
        in.dialogs.messages.removeAll(QStringLiteral("Actul a fost adaugat la favorite."));
        QCOMPARE(in.dialogs.messages, QStringList()); // no write was refused
    }

    void updatesBelongToTheAdministrator()
    {
        Installed in;
        in.as(in.homeA);
        const int acts = in.ui().List1->Count();
        in.form->Update_Click();
        in.form->ImportUpdatePack(in.program.dir() + QStringLiteral("/pack.sql"));
        QCOMPARE(in.dialogs.openCalls, 0);
        QCOMPARE(
            in.dialogs.messages,
            QStringList(2, QStringLiteral("Catalogul este actualizat de administrator (tarvenor-update PACHET).")));

        // The administrator's updated copy is the catalogue users read.
        QVERIFY(QFile::copy(in.program.dbPath(), in.state.path() + QStringLiteral("/database.sqlite")));
        in.program.exec(QStringLiteral("delete from Acte where ID = (select max(ID) from Acte)"));
        in.as(in.homeA);
        QCOMPARE(in.ui().List1->Count(), acts);
    }

    void administratorCommand()
    {
        Installed in;
        // The command lies beside the program, as the package lays it out;
        // the trusted keys come from the administrator's configuration.
        const QString command = in.program.dir() + QStringLiteral("/tarvenor-update");
        QVERIFY(QFile::copy(QStringLiteral(TARVENOR_BINARY_DIR "/tarvenor-update"), command));
        QTemporaryDir config;
        QVERIFY(QFile::rename(in.program.dir() + QStringLiteral("/db/trusted-keys"),
                              config.filePath(QStringLiteral("trusted-keys"))));
        qputenv("TARVENOR_CONFIG_DIR", config.path().toUtf8());
        auto run = [&](const QStringList& args, QString& output) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(command, args);
            p.waitForFinished(60000);
            output = QString::fromUtf8(p.readAll());
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        const QString good = in.program.dir() + QStringLiteral("/pack.sql");
        UpdatePack::Act act{9001,      u"Legea nr. 9001/2030"_s,
                            u"2030"_s, u"02-01-2030"_s,
                            u"1"_s,    u"parlamentul"_s,
                            u"lege"_s, u"Art. 1."_s,
                            u"9001"_s, 0};
        QVERIFY(UpdatePack::writeFile(good, (UpdatePack::actStatement(act) + u";\n"_s).toUtf8()));
        signPack(good, versionComment(u"2030.01.01"_s));
        const QString bad = in.program.dir() + QStringLiteral("/bad.sql");
        QByteArray tampered = readBytes(good);
        tampered.replace("9001/2030", "9002/2030");
        writeBytes(bad, tampered);
        QFile::copy(good + QStringLiteral(".minisig"), bad + QStringLiteral(".minisig"));

        const QStringList before = digest(in.program.dir());
        const QString updated = in.state.filePath(QStringLiteral("database.sqlite"));
        auto titles = [&] { return joinedRows(in.program, u"select count(*) from Acte"_s); };
        QString out;
        QCOMPARE(run({bad}, out), 1);
        QVERIFY2(out.contains(u"nu este semnat de un editor de incredere"_s), qPrintable(out));
        QCOMPARE(run({good}, out), 0);
        QVERIFY2(out.contains(u"Actualizare reusita: 1 acte noi"_s) && out.contains(u"2030.01.01"_s), qPrintable(out));
        QCOMPARE(run({good}, out), 1); // already applied
        QVERIFY2(out.contains(u"Catalogul este deja la zi"_s), qPrintable(out));
        QCOMPARE(run({}, out), 2);
        QCOMPARE(digest(in.program.dir()), before);

        // Users read the updated copy, which a package upgrade keeps while its
        // own catalogue is not newer.
        in.as(in.homeA);
        const int listed = in.ui().List1->Count();
        QCOMPARE(run({u"--dupa-instalare"_s}, out), 0);
        QVERIFY(QFileInfo::exists(updated));
        in.as(in.homeA);
        QCOMPARE(in.ui().List1->Count(), listed);
        QCOMPARE(titles().value(0).toInt() + 1, listed);
        in.program.exec(
            u"insert into versiune_catalog (versiune, comentariu, aplicat) values ('2031.01.01', '', '')"_s);
        QCOMPARE(run({u"--dupa-instalare"_s}, out), 0);
        QVERIFY2(!QFileInfo::exists(updated), qPrintable(out));
    }
};

QTEST_MAIN(InstalledTest)
#include "test_installed.moc"
