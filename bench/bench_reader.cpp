// Opening a 5 MB act in the viewer with its headings in bold, its references
// resolved and shown as links, against the plain opening of the same act.
//
//   bench_reader [megabytes] [--runs N]
#include "BenchSupport.h"
#include "catalogue/ActReferences.h"
#include "catalogue/ActStructure.h"
#include "catalogue/ActViewer.h"
#include "store/modDB.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QTextBlock>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

void exec(sqlite3* db, const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "SQL failed: %s\n", err ? err : "?");
        std::exit(1);
    }
}

// An act in the shape of a code: chapters of twenty articles, each naming
// other acts, some of them in the catalogue, some absent, some ambiguous.
QString codeText(qsizetype bytes)
{
    const QString refs[] = {
        QString::fromUtf8("potrivit Legii nr. 53/2003, republicată"),
        QString::fromUtf8("în condițiile Ordonanței de urgență a Guvernului nr. 34/2006"),
        QString::fromUtf8("conform H.G. nr. 1.425/2006"),
        QString::fromUtf8("prevăzute de Legea nr. 10/2001"),
        QString::fromUtf8("în temeiul Decretului nr. 31/1954"),
        QString::fromUtf8("potrivit Legii nr. 9%1/19%2, abrogată"),
    };
    QString text;
    text.reserve(bytes + 1024);
    for (int art = 1; text.size() < bytes; ++art) {
        if (art % 20 == 1)
            text += QStringLiteral("CAPITOLUL %1\nDispozitii privind domeniul %1\n\n").arg((art / 20) + 1);
        text += QString::fromUtf8("Art. %1. - (1) Raporturile juridice dintre părți se stabilesc %2, iar "
                                  "drepturile și obligațiile acestora se exercită cu bună-credință.\n"
                                  "(2) Litigiile se soluționează de instanțele competente, în termenele "
                                  "stabilite de lege, fără a aduce atingere art. %1 din 2003.\n")
                    .arg(art)
                    .arg(art % 6 == 5 ? refs[5].arg(art % 10).arg(art % 90 + 10) : refs[art % 6]);
    }
    return text;
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Whether the last link of the act has its anchor yet.
bool formatted(Form1& form)
{
    QTextBlock last = form.controls().textlege->document()->lastBlock();
    for (int i = 0; i < 12 && last.isValid(); ++i, last = last.previous())
        for (auto it = last.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const double mb = argc > 1 && argv[1][0] != '-' ? std::atof(argv[1]) : 5.0;
    const int runs = bench::intOption(args, "--runs", 5);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("db"));
    const QString dbPath = dir.filePath(QStringLiteral("db/database.sqlite"));
    {
        QFile schema(QStringLiteral(TARVENOR_SCHEMA_PATH));
        schema.open(QIODevice::ReadOnly);
        sqlite3* db = nullptr;
        sqlite3_open(dbPath.toUtf8().constData(), &db);
        exec(db, schema.readAll().constData());
        exec(db, "insert into Acte (ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, Continut, nract) "
                 "values (2, 'Legea nr. 53/2003', '2003', '24-01-2003', '72', 'parlamentul', 'lege', 'x', '53'),"
                 "(3, 'OUG 34/2006', '2006', '19-04-2006', '418', 'guvernul romaniei', 'ordonanta de urgenta', 'x', "
                 "'34'), (4, 'HG 1425/2006', '2006', '11-10-2006', '882', 'guvernul romaniei', 'hotarare', 'x', "
                 "'1425'), (5, 'Legea 10/2001 (a)', '2001', '08-02-2001', '75', 'parlamentul', 'lege', 'x', '10'), "
                 "(6, 'Legea 10/2001 (b)', '2001', '14-02-2001', '79', 'parlamentul', 'lege', 'x', '10'), "
                 "(7, 'Decretul 31/1954', '1954', '30-01-1954', '8', 'presedintele', 'decret', 'x', '31')");
        // Other acts sharing the numbers, as a real catalogue has.
        exec(db, "with recursive n(i) as (select 1 union all select i + 1 from n where i < 20000) "
                 "insert into Acte (ID, Titlu, An, DataAparitie, Tipact, Continut, nract) "
                 "select 100 + i, 'Act ' || i, '' || (1990 + i % 17), '01-01-' || (1990 + i % 17), 'ordin', 'x', "
                 "'' || (i % 2000) from n");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into Acte (ID, Titlu, An, DataAparitie, Tipact, Continut, nract) "
                           "values (1, 'Codul', '2010', '01-01-2010', 'lege', ?, '1')",
                           -1, &insert, nullptr);
        const QByteArray text = codeText(qsizetype(mb * 1024 * 1024)).toUtf8();
        sqlite3_bind_text(insert, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_finalize(insert);
        sqlite3_close(db);
    }

    bench::QuietDialogs dialogs;
    Form1 form(dir.path(), nullptr, &dialogs);
    form.show();
    Controls& u = form.controls();
    form.Label1_Click(); // every act listed
    const int row = [&] {
        for (int r = 0; r < u.List1->Count(); ++r)
            if (u.List1->SubItem(r, 3) == QLatin1String("1"))
                return r;
        return -1;
    }();
    u.List1->selectRow(row);

    // Wall time and the thread's processor time: on a busy machine the
    // second is the steadier measure of the work an opening does.
    struct Timing {
        std::vector<double> wall, cpu;
    };
    auto timeOpening = [&](Timing& into, const std::function<void()>& open) {
        QElapsedTimer wall;
        const double cpu0 = threadCpuMs();
        wall.start();
        open();
        u.textlege->viewport()->repaint();
        into.wall.push_back(double(wall.nsecsElapsed()) / 1e6);
        into.cpu.push_back(threadCpuMs() - cpu0);
        form.Inapoi_Click();
        QCoreApplication::processEvents();
    };
    Timing plain, reader;
    for (int i = 0; i < runs; ++i) {
        timeOpening(plain, [&] { ActViewer(form.context()).List1_DblClick(); });
        timeOpening(reader, [&] { form.List1_DblClick(); });
    }

    QElapsedTimer t;
    form.List1_DblClick();
    const QString shown = u.textlege->toPlainText();
    t.start();
    const auto headings = ActStructure::headings(shown);
    const double headingMs = double(t.nsecsElapsed()) / 1e6;
    t.start();
    auto refs = ActReferences::find(shown);
    const double findMs = double(t.nsecsElapsed()) / 1e6;
    const long long before = form.db().callCount();
    t.start();
    ActReferences::resolve(form.db(), refs);
    const double resolveMs = double(t.nsecsElapsed()) / 1e6;
    qsizetype linked = 0;
    for (const auto& r : refs)
        linked += r.actId.isEmpty() ? 0 : 1;

    std::printf("act: %lld characters, %zu headings, %zu references (%lld linked)\n", qlonglong(shown.size()),
                headings.size(), refs.size(), qlonglong(linked));
    std::printf("headings %.1f ms, finding references %.1f ms, resolving %.1f ms in %lld query\n", headingMs, findMs,
                resolveMs, form.db().callCount() - before);
    std::printf("plain opening (median of %d): %.1f ms wall, %.1f ms processor\n", runs, bench::median(plain.wall),
                bench::median(plain.cpu));
    std::printf("reader opening (median of %d): %.1f ms wall, %.1f ms processor\n", runs, bench::median(reader.wall),
                bench::median(reader.cpu));
    std::printf("ratio: %.2f wall, %.2f processor\n", bench::median(reader.wall) / bench::median(plain.wall),
                bench::median(reader.cpu) / bench::median(plain.cpu));

    // The formats of the rest of the act follow in steps after the opening.
    const double rest0 = threadCpuMs();
    while (!reader.wall.empty() && u.textlege->isVisible() && !formatted(form))
        QCoreApplication::processEvents();
    std::printf("formats of the whole act done %.1f ms (processor) after the opening\n", threadCpuMs() - rest0);
    return 0;
}
