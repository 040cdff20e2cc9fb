// Reading RTF with many format changes in one paragraph: the time per change
// must stay flat from ten thousand to a million changes (linear growth).
//
//   bench_rtf [largest-count]
#include "contracts/RtfReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

namespace {

// One paragraph in which the bold, italic and size change `changes` times,
// about 4.5 bytes of RTF per change.
QByteArray manyChanges(int changes)
{
    static const char* const kRuns[] = {"\\b a", "\\b0 b", "\\i c", "\\i0\\fs20 d", "\\fs24 e"};
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\pard ";
    rtf.reserve(qsizetype(changes) * 6 + 64);
    for (int i = 0; i < changes; ++i)
        rtf += kRuns[i % 5];
    return rtf + "\\par}";
}

// A table of `rows` rows of four cells, for the cost of cells.
QByteArray table(int rows)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int r = 0; r < rows; ++r)
        rtf += "\\trowd\\cellx1000\\cellx2000\\cellx3000\\cellx4000\\pard\\intbl a\\cell b\\cell c\\cell d\\cell\\row ";
    return rtf + "\\pard}";
}

double readMs(const QByteArray& rtf, int& characters)
{
    QTextDocument doc;
    QElapsedTimer t;
    t.start();
    RtfReader().read(rtf, doc);
    const double ms = t.nsecsElapsed() / 1e6;
    characters = doc.characterCount();
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int largest = argc > 1 ? std::atoi(argv[1]) : 1000000;
    std::printf("%-28s %10s %10s %14s\n", "input", "bytes", "ms", "us per change");
    for (int n = 10000; n <= largest; n *= 10) {
        const QByteArray rtf = manyChanges(n);
        int chars = 0;
        const double ms = readMs(rtf, chars);
        std::printf("%-28s %10lld %10.1f %14.3f\n", qPrintable(QStringLiteral("%1 changes").arg(n)),
                    static_cast<long long>(rtf.size()), ms, ms * 1000.0 / n);
        if (chars != n + 2) // the letters, the paragraph end and the empty last paragraph
            std::printf("  wrong text: %d characters\n", chars);
    }
    for (int rows = 1000; rows <= 10000; rows *= 10) {
        const QByteArray rtf = table(rows);
        int chars = 0;
        const double ms = readMs(rtf, chars);
        std::printf("%-28s %10lld %10.1f %14.3f\n", qPrintable(QStringLiteral("table, %1 cells").arg(rows * 4)),
                    static_cast<long long>(rtf.size()), ms, ms * 1000.0 / (rows * 4));
    }
    return 0;
}
