// A program killed at any moment keeps every write it had been told was done:
// a child process adds events and favourites through modDB and reports each
// one after RunSql returns; the parent kills it with SIGKILL at random moments
// and then looks for every reported row, whole.
#include "store/SqlLiteral.h"
#include "store/modDB.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::TempProgram;

namespace {

constexpr int kRounds = 60;

// The texts of event n: long enough to span pages now and then, so that a
// torn write would show.
QString dayOf(long long n)
{
    return QStringLiteral("%1.03.2007").arg(1 + n % 28, 2, 10, QLatin1Char('0'));
}
QString hourOf(long long n)
{
    return QStringLiteral("%1:%2").arg(n % 24, 2, 10, QLatin1Char('0')).arg(n % 60, 2, 10, QLatin1Char('0'));
}
QString commentOf(long long n)
{
    return QStringLiteral("Eveniment %1 d'urgenta; ").arg(n) + QString(int(n * 37 % 3000), QChar(u'ș')) +
           QStringLiteral(" sfarsit %1").arg(n);
}

[[noreturn]] void childLoop(const QString& programDir, long long first, int ackFd)
{
    try {
        modDB db(programDir);
        for (long long n = first;; ++n) {
            db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('") +
                          SqlLiteral::text(dayOf(n)) + QStringLiteral("', '") + SqlLiteral::text(hourOf(n)) +
                          QStringLiteral("', '") + SqlLiteral::text(commentOf(n)) + QStringLiteral("',") +
                          SqlLiteral::id(QString::number(n % 5 + 1)) + QStringLiteral(")"),
                      false);
            db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (") +
                          SqlLiteral::id(QString::number(n)) + QStringLiteral(")"),
                      false);
            // One short write per acknowledgement: a pipe never splits it.
            const QByteArray line = QByteArray::number(n) + '\n';
            if (::write(ackFd, line.constData(), size_t(line.size())) != line.size())
                _exit(3);
        }
    } catch (const StoreError&) {
        _exit(2);
    }
}

} // namespace

class CrashDurabilityTest : public QObject {
    Q_OBJECT

private slots:
    void killedWritesAreKeptWhole()
    {
        TempProgram program;
        QRandomGenerator rng(20070314);
        std::set<long long> acknowledged;
        QElapsedTimer clock;
        clock.start();

        for (int round = 0; round < kRounds; ++round) {
            int fds[2];
            QVERIFY(::pipe(fds) == 0);
            const long long first = static_cast<long long>(round) * 1000000;
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                ::close(fds[0]);
                childLoop(program.dir(), first, fds[1]);
            }
            ::close(fds[1]);
            // Random moment: from before the first write to some dozens in.
            QThread::usleep(rng.bounded(1000, 60000));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     qPrintable(QStringLiteral("child ended by itself, status %1").arg(status)));

            QByteArray acks;
            char buf[4096];
            for (ssize_t got; (got = ::read(fds[0], buf, sizeof buf)) > 0;)
                acks.append(buf, int(got));
            ::close(fds[0]);
            for (const QByteArray& line : acks.split('\n'))
                if (!line.isEmpty())
                    acknowledged.insert(line.toLongLong());
        }
        QVERIFY2(acknowledged.size() > size_t(kRounds), "too few writes to prove anything");

        // Every row present is whole; every acknowledged one is present.
        std::set<long long> events, favourites;
        for (const QStringList& row :
             program.rows(QStringLiteral("select data, ora, coment, tipeveniment from agenda"))) {
            const long long n = row[2].section(QLatin1Char(' '), 1, 1).toLongLong();
            QVERIFY2(row[0] == dayOf(n) && row[1] == hourOf(n) && row[2] == commentOf(n) &&
                         row[3] == QString::number(n % 5 + 1),
                     qPrintable(row[2].left(60)));
            events.insert(n);
        }
        for (const QStringList& row : program.rows(QStringLiteral("select id_acte from legi_favorite")))
            favourites.insert(row[0].toLongLong());
        long long lost = 0;
        for (long long n : acknowledged)
            if (!events.count(n) || !favourites.count(n))
                ++lost;
        QCOMPARE(lost, 0LL);
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
        qInfo("kills %d, acknowledged writes %zu, rows lost %lld, %lld ms", kRounds, acknowledged.size(), lost,
              static_cast<long long>(clock.elapsed()));
    }
};

QTEST_GUILESS_MAIN(CrashDurabilityTest)
#include "test_crash_durability.moc"
