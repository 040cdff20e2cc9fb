#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

struct AppContext;
class modDB;
namespace UpdatePack {
struct Act;
}

// The search index in the catalogue's own file: titles without diacritics
// under a trigram index, and the stemmed words of titles and texts under a
// word index; both built-in FTS5 tokenizers, so the stock sqlite3 shell reads
// and writes every table. Triggers (built-in SQL only) log every change to
// Acte, also the shell's; searches check the logged acts directly until the
// program works the log off (at start and in each update pack). The indexes
// themselves are written by the program only: an FTS5 write inside a trigger
// costs about ten times the same write in bulk.
namespace SearchIndex {

// Reports how far the work is; false stops it (the user cancelled).
using Step = std::function<bool(qint64 done, qint64 total)>;

// The statements that create the index's tables and triggers, as db/schema.sql
// writes them; `version` is the shape of the index they make.
QStringList schemaStatements();
inline constexpr int kVersion = 2;

// True when the file holds the whole index in this program's version.
bool present(modDB& db);
// Number of logged changes not yet in the word index.
qint64 pending(modDB& db);

// Builds the index from scratch in one transaction; false, with the file as
// it was, when `step` stops it. Throws StoreError.
bool build(modDB& db, const Step& step = {});
// Works off the log (nothing to do without the index). Joins the caller's
// open transaction, otherwise runs in its own one; false, with nothing
// changed, when `step` stops it.
bool catchUp(modDB& db, const Step& step = {});

// Keeps the index current while an update pack is read in, inside the
// caller's transaction. The pack's acts are stemmed on a second core while
// their rows go in, and written to the index in one pass at the end; the
// triggers are set aside meanwhile (the transaction restores them on any
// failure), since logging acts the program indexes itself would only cost.
// Does nothing for a file without the index, or one whose index is not in
// the catalogue's own file (the log and the next catch-up serve those).
class PackWriter {
public:
    // Works off the log first, so that the index holds every act as it is.
    PackWriter(modDB& db, const std::vector<UpdatePack::Act>& acts);
    ~PackWriter();
    PackWriter(const PackWriter&) = delete;
    PackWriter& operator=(const PackWriter&) = delete;

    // Before the act's row is deleted (to be replaced): its words leave the
    // index. A pack brings each act once (the parser refuses it otherwise).
    void removing(qint64 id);
    // Once every act is in: writes the index and restores the triggers;
    // false, with the transaction to be rolled back, when `step` stops it.
    bool finish(const Step& step);

private:
    struct Work;
    std::unique_ptr<Work> m_work;
};

// Start of the program: builds the index for a file made without it and
// repairs it after outside changes, with the progress dialog. Cancelling
// leaves the file as it was; the search works either way.
void prepareAtStart(AppContext& ctx);

// The search statement: `criteria` is the builder's statement without a
// keyword ("select * from Acte " with or without its where clause). Lists
// ID, Titlu, TipAct; titles must hold every word of the keyword, folded, in
// any order; with `inText` an act whose text holds every word's stem is found
// as well and the list is ordered by relevance.
QString statement(const QString& criteria, const QString& keyword, bool inText, bool indexed);

// The same search on the office server, whose own functions and indexes
// (db/office-schema.sql) fold and stem as this program does. Each word of the
// keyword is a condition of its own, so that each reaches the trigram index.
// Without `inText` the acts come in the catalogue's order (by ID).
QString serverStatement(const QString& criteria, const QString& keyword, bool inText);

// The keyword's words, folded, as the title search matches them.
QStringList titleWords(const QString& keyword);

} // namespace SearchIndex
