// Form_Load on a large synthetic catalogue against the bare engine walk of the
// same query, and the program's peak memory with every act listed.
//   bench_form_load [--acts N] [--rounds R]
// The catalogue is generated once into /tmp and reused by later runs.

#include "BenchSupport.h"
#include "SyntheticCatalogue.h"

#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double formLoadMs(const QString& programDir, int& listed)
{
    QElapsedTimer timer;
    timer.start();
    Form1 form(programDir);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    listed = form.controls().List1->Count();
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int acts = bench::intOption(args, "--acts", 200000);
    const int rounds = bench::intOption(args, "--rounds", 3);
    const QString childDir = bench::option(args, "--child-rss");
    const bool childRss = !childDir.isEmpty();

    if (childRss) {
        // Peak memory of the window with the whole catalogue listed and shown.
        Form1 form(childDir);
        form.show();
        app.processEvents();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
        return 0;
    }

    const QString programDir = QDir::tempPath() + QStringLiteral("/tarvenor_bench_%1").arg(acts);
    const std::string dbPath = QString(programDir + QStringLiteral("/db/database.sqlite")).toStdString();
    if (!QFile::exists(QString::fromStdString(dbPath))) {
        QDir().mkpath(programDir + QStringLiteral("/db"));
        std::printf("generating %d acts into %s ...\n", acts, dbPath.c_str());
        std::fflush(stdout);
        synthetic::Options options;
        options.acts = acts;
        const synthetic::Figures f = synthetic::makeCatalogue(dbPath, TARVENOR_SCHEMA_PATH, options);
        std::printf("  %lld acts, %.1f %% with diacritics, %.1f MB of bodies\n", f.acts,
                    100.0 * double(f.actsWithDiacritics) / double(std::max(1LL, f.acts)), double(f.bodyBytes) / 1e6);
    }

    long long rows = 0;
    int listed = 0;
    bench::bareActWalkMs(dbPath, rows); // warm the page cache for both contenders
    std::vector<double> bare, load;
    for (int r = 0; r < rounds; ++r) {
        bare.push_back(bench::bareActWalkMs(dbPath, rows));
        load.push_back(formLoadMs(programDir, listed));
    }
    const double b = bench::median(bare), l = bench::median(load);
    std::printf("acts: %lld (listed %d)\n", rows, listed);
    std::printf("bare sqlite3 walk:        %8.1f ms (median of %d)\n", b, rounds);
    std::printf("Form1 + Form_Load:        %8.1f ms (median of %d)\n", l, rounds);
    std::printf("ratio Form_Load / bare:   %8.2f (target <= 2)\n", l / b);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child-rss"), programDir});
    child.waitForFinished(600000);
    const long kb = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toLong();
    std::printf("peak resident memory:     %8.1f MB (target <= 150)\n", double(kb) / 1024.0);
    return 0;
}
