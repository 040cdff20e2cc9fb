// The search in any spelling and in the acts' texts, on the synthetic
// catalogue, every figure in one run and against the bare engine:
//   (a) a title keyword through "CAUTA!" matching about 1 % of titles, against
//       SQLite's own LIKE over the titles;
//   (b) the same with `intext` for a word in about 1 % of the acts, and for
//       one in most acts, against LIKE over the texts;
//   (c) the index: its size against the texts' bytes, and building it;
//   (d) an update pack of 20,000 acts with the index kept, against the same
//       pack on the file without the index and against bare inserts;
//   (e) start-up and opening a 5 MB act, with the index's share;
//   (f) recall of "sanatate" in three spellings, against today's `like`.
//   bench_fulltext [--acts N] [--rounds R] [--pack P]
// Titles come in three spellings: a third with comma letters, a third with
// cedilla letters, a third without diacritics, as older catalogues hold them.
// Everything is made afresh under /tmp and removed at the end.

#include "BenchSupport.h"
#include "SyntheticCatalogue.h"

#include "catalogue/PublisherKey.h"
#include "catalogue/SearchIndex.h"
#include "catalogue/SignedPack.h"
#include "catalogue/UpdatePack.h"
#include "store/TextFold.h"
#include "store/modDB.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextEdit>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

long long scalar(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    const long long v = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return v;
}

void report(const char* what, double mine, double bare, const char* target)
{
    std::printf("%-44s %9.1f ms  bare %9.1f ms  ratio %6.3f  (target %s)\n", what, mine, bare, mine / bare, target);
}

// Answers nothing; the start's index build may be refused.
class BenchDialogs final : public Dialogs {
public:
    bool refuseWork = false;
    void message(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text.left(300)));
    }
    bool question(QWidget*, const QString&) override { return false; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::unique_ptr<Progress> startProgress(QWidget*, const QString&) override
    {
        class Answer final : public Progress {
        public:
            explicit Answer(bool go) : m_go(go) {}
            bool step(qint64, qint64) override { return m_go; }

        private:
            bool m_go;
        };
        return std::make_unique<Answer>(!refuseWork);
    }
};

// The schema as the program had it before the search index.
std::string schemaWithoutIndex(const QString& to)
{
    std::string text = synthetic::readFile(TARVENOR_SCHEMA_PATH);
    const size_t cut = text.find("\n-- Search index");
    if (cut != std::string::npos)
        text.resize(cut + 1);
    QFile out(to);
    out.open(QIODevice::WriteOnly);
    out.write(text.data(), qint64(text.size()));
    return to.toStdString();
}

std::string dbFile(const QString& programDir)
{
    return QString(programDir + QStringLiteral("/db/database.sqlite")).toStdString();
}

QString makePack(const QString& path, int firstId, int count)
{
    synthetic::Rng rng(99);
    QString text;
    for (int i = 0; i < count; ++i) {
        UpdatePack::Act a;
        a.id = firstId + i;
        a.titlu = QStringLiteral("Ordinul nr. %1/2011 privind stabilirea măsurilor de protecție").arg(i);
        a.an = QStringLiteral("2011");
        a.dataAparitie = QStringLiteral("01-02-2011");
        a.monitoruloficial = a.nract = QString::number(1 + i % 900);
        a.emitent = QString::fromUtf8(SearchChoices::kIssuers[1]);
        a.tipact = QString::fromUtf8(SearchChoices::kActTypes[5]);
        a.continut = QString::fromStdString(synthetic::body(rng, a.titlu.toStdString(), synthetic::bodySize(rng)));
        text += UpdatePack::actStatement(a);
        text += QStringLiteral(";\n");
    }
    UpdatePack::writeFile(path, text.toUtf8());
    // Signed with the demo publisher's test key: the program refuses unsigned packs.
    QFile key(QStringLiteral(TARVENOR_SOURCE_DIR "/tests/keys/demo-publisher.test.key"));
    QFile written(path);
    QFile signature(SignedPack::signaturePath(path));
    if (!key.open(QIODevice::ReadOnly) || !written.open(QIODevice::ReadOnly) ||
        !signature.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot sign the pack");
    signature.write(PublisherKey::sign(PublisherKey::read(key.readAll()), written.readAll(),
                                       QByteArrayLiteral("Catalogul Tarvenor, versiunea 2026.12.07")));
    return path;
}

double bareInsertsMs(const std::string& db, const QString& packPath, int idOffset)
{
    const UpdatePack::Pack pack = UpdatePack::parse(UpdatePack::decode(UpdatePack::readFile(packPath)));
    sqlite3* h = nullptr;
    sqlite3_open_v2(db.c_str(), &h, SQLITE_OPEN_READWRITE, nullptr);
    const double ms = bench::timeMs([&] {
        synthetic::exec(h, "BEGIN");
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h,
                           "INSERT INTO Acte (ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, "
                           "Continut, nract) VALUES (?,?,?,?,?,?,?,?,?)",
                           -1, &s, nullptr);
        for (const UpdatePack::Act& a : pack.acts) {
            sqlite3_bind_int64(s, 1, a.id + idOffset);
            int at = 2;
            for (const QString* v : {&a.titlu, &a.an, &a.dataAparitie, &a.monitoruloficial, &a.emitent, &a.tipact,
                                     &a.continut, &a.nract}) {
                const QByteArray u = v->toUtf8();
                sqlite3_bind_text(s, at++, u.constData(), int(u.size()), SQLITE_TRANSIENT);
            }
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        synthetic::exec(h, "COMMIT");
    });
    sqlite3_close(h);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int acts = bench::intOption(args, "--acts", 200000);
    const int rounds = bench::intOption(args, "--rounds", 5);
    const int packActs = bench::intOption(args, "--pack", 20000);

    const QString root = QDir::tempPath() + QStringLiteral("/tarvenor_bench_fulltext_%1").arg(acts);
    QDir(root).removeRecursively();
    const QString oldDir = root + QStringLiteral("/old"), newDir = root + QStringLiteral("/new");
    QDir().mkpath(oldDir + QStringLiteral("/db"));
    QDir().mkpath(newDir + QStringLiteral("/db"));
    const std::string oldDb = dbFile(oldDir), newDb = dbFile(newDir);

    std::printf("generating %d acts ...\n", acts);
    std::fflush(stdout);
    synthetic::Options options;
    options.acts = acts;
    const synthetic::Figures figures =
        synthetic::makeCatalogue(oldDb, schemaWithoutIndex(root + QStringLiteral("/schema.sql")), options);
    const int bigActId = acts + 1;
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(oldDb.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        const std::string strip = TextFold::sqlStripDiacritics(QStringLiteral("Titlu")).toStdString();
        synthetic::exec(db, "UPDATE Acte SET Titlu = " + strip + " WHERE ID % 3 = 1");
        synthetic::exec(db, "UPDATE Acte SET Titlu = replace(replace(replace(replace(Titlu, char(537), char(351)), "
                            "char(539), char(355)), char(536), char(350)), char(538), char(354)) WHERE ID % 3 = 2");
        synthetic::addBigAct(db, bigActId, "Codul de test zzunic, republicat");
        synthetic::exec(db, "PRAGMA wal_checkpoint(TRUNCATE)");
        sqlite3_close(db);
    }
    QFile::copy(QString::fromStdString(oldDb), QString::fromStdString(newDb));
    sqlite3* db = nullptr;
    sqlite3_open_v2(newDb.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const long long textBytes = scalar(db, "select sum(length(cast(Continut as blob))) from Acte");
    std::printf("%lld acts, %.1f %% titles with diacritics before respelling, %.1f MB of texts\n", figures.acts,
                100.0 * double(figures.actsWithDiacritics) / double(figures.acts), double(textBytes) / 1e6);

    // (c) the index, built from scratch as the first start does it.
    const long long pageSize = scalar(db, "PRAGMA page_size");
    const long long pagesBefore = scalar(db, "PRAGMA page_count") - scalar(db, "PRAGMA freelist_count");
    double buildMs = 0;
    {
        modDB store(newDir);
        buildMs = bench::timeMs([&] { SearchIndex::build(store); });
    }
    const long long pagesAfter = scalar(db, "PRAGMA page_count") - scalar(db, "PRAGMA freelist_count");
    const long long titleIndex = scalar(db, "select sum(pgsize) from dbstat where name like 'cautare_titlu%'");
    const long long wordIndex = scalar(db, "select sum(pgsize) from dbstat where name like 'cautare_text%'");
    // dbstat counts the index's own pages; the page count also holds free pages.
    const long long indexBytes = scalar(db, "select sum(pgsize) from dbstat where name like 'cautare%'");
    std::printf("    pages added to the file: %.1f MB\n", double((pagesAfter - pagesBefore) * pageSize) / 1e6);
    std::printf("(c) index %.1f MB = %.3f of the texts' bytes (target <= 0.40); titles %.1f MB, words %.1f MB\n",
                double(indexBytes) / 1e6, double(indexBytes) / double(textBytes), double(titleIndex) / 1e6,
                double(wordIndex) / 1e6);
    std::printf("    built from scratch in %.1f s\n", buildMs / 1000);
    std::fflush(stdout);

    BenchDialogs dialogs;
    bench::bareRows(db, "select ID, Titlu, TipAct from Acte"); // warm the page cache
    std::unique_ptr<Form1> formPtr;
    const double startMs = bench::timeMs([&] { formPtr = std::make_unique<Form1>(newDir, nullptr, &dialogs); });
    Form1& form = *formPtr;
    Controls& u = form.controls();

    // (a) title keyword, about 1 % of titles.
    auto titleCase = [&](const char* keyword) {
        long long bare = 0;
        const std::string like = std::string("select ID, Titlu, TipAct from Acte where Titlu like '%") + keyword + "%'";
        const double bareMs = bench::medianMs(rounds, [&] { bare = bench::bareRows(db, like); });
        u.cuvcheie->setText(QString::fromUtf8(keyword));
        u.intext->setChecked(false);
        const double mine = bench::medianMs(rounds, [&] { form.Label1_Click(); });
        std::printf("    \"%s\": %d rows (%.2f %% of titles), bare like %lld\n", keyword, u.List1->Count(),
                    100.0 * u.List1->Count() / (acts + 1), bare);
        report("(a) title keyword, Label1_Click", mine, bareMs, "<= 0.1");
    };
    titleCase("consumatorilor");
    titleCase("ordinul nr. 3");

    // (b) intext.
    auto textCase = [&](const char* word, const char* target) {
        long long bare = 0;
        const std::string like = std::string("select ID, Titlu, TipAct from Acte where Continut like '%") + word + "%'";
        const double bareMs = bench::medianMs(std::min(rounds, 3), [&] { bare = bench::bareRows(db, like); });
        u.cuvcheie->setText(QString::fromUtf8(word));
        u.intext->setChecked(true);
        const double mine = bench::medianMs(rounds, [&] { form.Label1_Click(); });
        std::printf(
            "    \"%s\" in texts: %d acts (%.1f %%), bare like %lld; median %.1f ms (target <= 100 ms for 1 %%)\n",
            word, u.List1->Count(), 100.0 * u.List1->Count() / (acts + 1), bare, mine);
        report("(b) intext, Label1_Click", mine, bareMs, target);
    };
    textCase("consumatorilor", "<= 0.05");
    textCase("vigoare", "report");
    std::fflush(stdout);

    // (f) recall in three spellings.
    {
        const std::string anySpelling = "select count(*) from Acte where " +
                                        TextFold::sqlStripDiacritics(QStringLiteral("Titlu")).toStdString() +
                                        " like '%sanatate%'";
        const long long truth = scalar(db, anySpelling.c_str());
        modDB today(oldDir);
        for (const char* k : {"sanatate", "sănătate", "SĂNĂTATE"}) {
            today.RunSql(
                QStringLiteral("select count(*) as n from Acte where Titlu like '*%1*'").arg(QString::fromUtf8(k)),
                true);
            const long long before = today.CurrentRs().Text(QStringLiteral("n")).toLongLong();
            u.cuvcheie->setText(QString::fromUtf8(k));
            u.intext->setChecked(false);
            form.Label1_Click();
            std::printf("(f) \"%s\": found %d of %lld titles holding any spelling (today's like: %lld)\n", k,
                        u.List1->Count(), truth, before);
        }
    }

    // (e) start-up and opening a 5 MB act.
    {
        modDB probe(newDir);
        const double checks = bench::medianMs(rounds, [&] {
            SearchIndex::present(probe);
            SearchIndex::pending(probe);
        });
        long long rows = 0;
        const double walk = bench::bareActWalkMs(newDb, rows);
        std::printf("(e) start-up %.1f ms, bare walk %.1f ms, ratio %.2f; the index's checks %.2f ms of it (%.4f)\n",
                    startMs, walk, startMs / walk, checks, checks / startMs);
        u.intext->setChecked(false);
        auto openCase = [&](const char* keyword, bool inText, const char* what) {
            u.cuvcheie->setText(QString::fromUtf8(keyword));
            u.intext->setChecked(inText);
            form.Label1_Click();
            for (int r = 0; r < u.List1->Count(); ++r) {
                if (u.List1->SubItem(r, 3) == QString::number(bigActId))
                    u.List1->selectRow(r);
            }
            const double open = bench::medianMs(rounds, [&] {
                form.Inapoi_Click();
                u.textlege->clear();
                form.List1_DblClick();
            });
            const QString text = u.textlege->toPlainText();
            QTextEdit bare;
            bare.resize(u.textlege->size());
            const double plain = bench::medianMs(rounds, [&] {
                bare.clear();
                bare.setPlainText(text);
            });
            std::printf("    %s: %lld hits marked\n", what,
                        static_cast<long long>(u.textlege->extraSelections().size()));
            report(what, open, plain, "as today, no keyword");
        };
        openCase("zzunic", false, "(e) open 5 MB act, keyword in title");
        openCase("", false, "(e) open 5 MB act, no keyword");
        openCase("zzunic vigoare", true, "(e) open 5 MB act, intext hits");
    }
    formPtr.reset();

    // (d) an update pack with the index kept, against the file without it.
    {
        const QString pack = makePack(root + QStringLiteral("/pack.sql"), acts + 100, packActs);
        for (const QString& dir : {oldDir, newDir})
            QFile::copy(QStringLiteral(TARVENOR_SOURCE_DIR "/db/trusted-keys"),
                        dir + QStringLiteral("/db/trusted-keys"));
        dialogs.refuseWork = true; // the old file stays without the index
        Form1 without(oldDir, nullptr, &dialogs);
        dialogs.refuseWork = false;
        {
            // The refused build at its start leaves the journal full of
            // discarded pages; folded first so both packs start alike.
            sqlite3* h = nullptr;
            sqlite3_open_v2(oldDb.c_str(), &h, SQLITE_OPEN_READWRITE, nullptr);
            synthetic::exec(h, "PRAGMA wal_checkpoint(TRUNCATE)");
            sqlite3_close(h);
        }
        const double plainPack = bench::timeMs([&] { without.ImportUpdatePack(pack); });
        Form1 withIndex(newDir, nullptr, &dialogs);
        const double kept = bench::timeMs([&] { withIndex.ImportUpdatePack(pack); });
        const long long logLeft = scalar(db, "select count(*) from cautare_modificari");
        const double inserts = bareInsertsMs(oldDb, pack, 1000000);
        std::printf("(d) pack of %d acts: index kept %.1f ms (log left %lld), without index %.1f ms, bare inserts "
                    "%.1f ms\n",
                    packActs, kept, logLeft, plainPack, inserts);
        {
            // The same acts written from outside (the shell): the triggers on
            // bare inserts, then the catch-up at the next start.
            const double triggered = bareInsertsMs(newDb, pack, 2000000);
            modDB store(newDir);
            const double caught = bench::timeMs([&] { SearchIndex::catchUp(store); });
            std::printf("    the same acts from outside: bare inserts with the triggers %.1f ms, the catch-up at the "
                        "next start %.1f ms\n",
                        triggered, caught);
        }
        report("(d) pack with index / pack without", kept, plainPack, "<= 2");
        report("(d) pack with index / bare inserts", kept, inserts, "report");
    }

    sqlite3_close(db);
    QDir(root).removeRecursively();
    return 0;
}
