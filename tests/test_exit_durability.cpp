// The exit button ends the program at once, and an event saved a moment
// before is there when the program starts again. The program runs in a child
// process of this test, started from the same executable.

#include "support/TestSupport.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <QtTest>

using namespace testsupport;

namespace {

// The child: opens the window on the folder, saves one event through the
// event panel, then presses the exit button and lets the event loop end.
int runChild(const QString& programDir)
{
    Form1 form(programDir, nullptr, nullptr);
    form.setToday(QDate(2007, 3, 14));
    form.setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    form.show();
    Controls& u = form.controls();
    form.Agenda_Click();
    form.Label17_Click();
    if (u.tipev->count() == 0)
        return 3;
    u.tipev->setCurrentIndex(0);
    form.tipev_Click();
    u.Orra->setText(QStringLiteral("09:30"));
    u.Com->setText(QStringLiteral("Termen la Tribunalul București\rdosar 123/3/2007"));
    form.Label26_Click();
    QTimer::singleShot(0, &form, &Form1::Label27_Click);
    // A program that ignored the button would stay here until the parent gives up.
    return QApplication::exec() == 0 ? 0 : 4;
}

} // namespace

class TestExitDurability : public QObject {
    Q_OBJECT
private slots:
    void exitEndsTheProgramAndKeepsTheEvent()
    {
        TempProgram program(true);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), program.dir()});
        QVERIFY(child.waitForStarted());
        QVERIFY2(child.waitForFinished(30000), "the program did not end after the exit button");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        QCOMPARE(program.rows(QStringLiteral("select data, ora, coment from agenda")),
                 (std::vector<QStringList>{{QStringLiteral("14.03.2007"), QStringLiteral("09:30"),
                                            QStringLiteral("Termen la Tribunalul București\ndosar 123/3/2007")}}));
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));

        // Started again, the program shows the event on its day.
        RecordingDialogs dialogs;
        Form1 again(program.dir(), nullptr, &dialogs);
        again.setToday(QDate(2007, 3, 14));
        again.setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        again.Agenda_Click();
        QVERIFY(listRows(*again.controls().View1).join(QLatin1Char('\n')).contains(QStringLiteral("09:30")));
        QVERIFY(dialogs.messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int child = int(args.indexOf(QStringLiteral("--child")));
    if (child > 0 && child + 1 < args.size())
        return runChild(args[child + 1]);
    TestExitDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_exit_durability.moc"
