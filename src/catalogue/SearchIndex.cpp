#include "catalogue/SearchIndex.h"

#include "catalogue/UpdatePack.h"
#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/TextFold.h"
#include "store/modDB.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace {

const QStringList kObjects = {QStringLiteral("cautare_titlu"),      QStringLiteral("cautare_text"),
                              QStringLiteral("cautare_modificari"), QStringLiteral("cautare_stare"),
                              QStringLiteral("cautare_inainte"),    QStringLiteral("cautare_adaugat"),
                              QStringLiteral("cautare_sters"),      QStringLiteral("cautare_schimbat")};

// One prepared statement on the raw connection, for the bulk work that would
// cost too much through statement texts (acts may be megabytes long).
class Stmt {
public:
    Stmt(sqlite3* db, const char* sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            fail();
    }
    ~Stmt() { sqlite3_finalize(m_stmt); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    bool row()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail();
        return false;
    }
    void run()
    {
        row();
        sqlite3_reset(m_stmt);
    }
    void bind(int at, qint64 v) { sqlite3_bind_int64(m_stmt, at, v); }
    void bind(int at, std::string_view s) { sqlite3_bind_text(m_stmt, at, s.data(), int(s.size()), SQLITE_STATIC); }
    qint64 integer(int col) const { return sqlite3_column_int64(m_stmt, col); }
    std::string_view text(int col) const
    {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
        return t ? std::string_view(t, size_t(sqlite3_column_bytes(m_stmt, col))) : std::string_view();
    }
    void reset() { sqlite3_reset(m_stmt); }

private:
    [[noreturn]] void fail() const
    {
        throw StoreError(QStringLiteral("Indexul de cautare nu a putut fi actualizat: %1")
                             .arg(QString::fromUtf8(sqlite3_errmsg(m_db))),
                         sqlite3_errcode(m_db));
    }
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void exec(sqlite3* db, const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        throw StoreError(QStringLiteral("Indexul de cautare nu a putut fi actualizat: %1").arg(message));
    }
}

qint64 count(modDB& db, const QString& sql)
{
    db.RunSql(sql, true);
    Recordset& rs = db.CurrentRs();
    return rs.Eof() ? 0 : rs.Text(QStringLiteral("n")).toLongLong();
}

// Asks for progress at most every 50 ms: asking costs more than indexing an act.
class Pacer {
public:
    explicit Pacer(const SearchIndex::Step& step, qint64 total) : m_step(step), m_total(total) { m_since.start(); }
    bool next()
    {
        ++m_done;
        if (!m_step || (m_done != m_total && m_since.elapsed() < 50))
            return true;
        m_since.restart();
        return m_step(m_done, m_total);
    }

private:
    const SearchIndex::Step& m_step;
    qint64 m_total;
    qint64 m_done = 0;
    QElapsedTimer m_since;
};

// FTS5 writes its pending words out as a new segment each megabyte, and
// every segment costs merges later; a bulk write keeps more in memory (half
// the time of the words' writes). Set inside the caller's transaction, and
// put back before its commit.
class RoomyWrites {
public:
    explicit RoomyWrites(sqlite3* h) : m_h(h)
    {
        for (const char* table : {"cautare_text", "cautare_titlu"}) {
            const QByteArray sql = QByteArray("SELECT v FROM ") + table + "_config WHERE k = 'hashsize'";
            Stmt was(h, sql.constData());
            m_was.emplace_back(QString::fromLatin1(table), was.row() ? was.integer(0) : kDefault);
        }
        set(kRoomy);
    }
    void restore() { set(0); }

private:
    static constexpr qint64 kDefault = 1024 * 1024;
    static constexpr qint64 kRoomy = 16 * 1024 * 1024;
    void set(qint64 size)
    {
        for (const auto& [table, was] : m_was)
            exec(m_h,
                 QStringLiteral("INSERT INTO %1 (%1, rank) VALUES ('hashsize', %2)").arg(table).arg(size ? size : was));
    }
    sqlite3* m_h;
    std::vector<std::pair<QString, qint64>> m_was;
};

constexpr qint64 kQuietChanges = 2000;

const char* const kInsertText = "INSERT INTO cautare_text (rowid, titlu, text) VALUES (?, ?, ?)";

// The act's title as it comes, bound: the same insert selecting the title
// from Acte costs ten times as much.
QByteArray insertTitleSql()
{
    return QStringLiteral("INSERT INTO cautare_titlu (rowid, titlu) VALUES (?1, %1)")
        .arg(TextFold::sqlStripDiacritics(QStringLiteral("?2")))
        .toUtf8();
}

QString quotedFts(const QString& word)
{
    QString q = word;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString literal(const QString& text)
{
    return QLatin1Char('\'') + SqlLiteral::text(text) + QLatin1Char('\'');
}

// The trigram index needs three characters; shorter words are checked on the
// folded title itself, in one call however many there are.
struct TitleMatch {
    QString ftsQuery;   // empty when every word is short
    QString shortWords; // folded, blank-separated
};

TitleMatch titleMatch(const QString& keyword)
{
    TitleMatch m;
    QStringList longWords, shortWords;
    for (const QString& w : SearchIndex::titleWords(keyword)) {
        if (w.size() >= 3)
            longWords << quotedFts(w);
        else
            shortWords << w;
    }
    m.ftsQuery = longWords.join(QLatin1String(" AND "));
    m.shortWords = shortWords.join(QLatin1Char(' '));
    return m;
}

QString titleHas(const QString& column, const QString& words)
{
    return QStringLiteral("tarvenor_title_has(%1, %2)").arg(column, literal(words));
}

// Acts whose folded title holds every word: from the index, and for the acts
// changed since it was last brought up to date, from their titles.
QString indexedTitleIds(const TitleMatch& m, const QString& allWords)
{
    QString where;
    if (!m.ftsQuery.isEmpty())
        where = QStringLiteral("cautare_titlu match ") + literal(m.ftsQuery) + QStringLiteral(" and ");
    if (!m.shortWords.isEmpty())
        where += titleHas(QStringLiteral("titlu"), m.shortWords) + QStringLiteral(" and ");
    return QStringLiteral("select rowid as h, 0 as o, 0 as r from cautare_titlu where ") + where +
           QStringLiteral("rowid not in (select id_acte from cautare_modificari) union all select ID, 0, 0 from Acte "
                          "where ID in (select id_acte from cautare_modificari) and ") +
           titleHas(QStringLiteral("Titlu"), allWords);
}

// The builder's conditions, "" or ending in "and ", to go before the keyword's.
QString criteriaConditions(const QString& criteria)
{
    static const QString everything = QStringLiteral("select * from Acte ");
    QString where = criteria.startsWith(everything) ? criteria.mid(everything.size()) : criteria;
    if (where.startsWith(QLatin1String("where ")))
        where = where.mid(6) + QStringLiteral("and ");
    return where;
}

QString keywordStems(const QString& keyword)
{
    QStringList stems;
    for (const std::string& s : TextFold::stems(keyword))
        stems << QString::fromStdString(s);
    return stems.join(QLatin1Char(' '));
}

} // namespace

namespace SearchIndex {

QStringList schemaStatements()
{
    return {
        QStringLiteral("CREATE VIRTUAL TABLE cautare_titlu USING fts5(titlu, tokenize='trigram')"),
        QStringLiteral("CREATE VIRTUAL TABLE cautare_text USING fts5(titlu, text, content='', tokenize='unicode61')"),
        QStringLiteral("CREATE TABLE cautare_modificari (\n"
                       "  id       integer PRIMARY KEY AUTOINCREMENT,\n"
                       "  id_acte  integer NOT NULL,\n"
                       "  indexat  integer NOT NULL,\n"
                       "  titlu    text,\n"
                       "  continut text\n"
                       ")"),
        QStringLiteral("CREATE INDEX cautare_modificari_act ON cautare_modificari (id_acte)"),
        QStringLiteral("CREATE TABLE cautare_stare (versiune integer NOT NULL)"),
        QStringLiteral("INSERT INTO cautare_stare (versiune) VALUES (%1)").arg(kVersion),
        // An INSERT OR REPLACE removes the old row without a delete trigger:
        // what it replaces is logged first.
        QStringLiteral("CREATE TRIGGER cautare_inainte BEFORE INSERT ON Acte WHEN new.ID IS NOT NULL BEGIN\n"
                       "  INSERT INTO cautare_modificari (id_acte, indexat, titlu, continut)\n"
                       "    SELECT ID, 1, Titlu, Continut FROM Acte WHERE ID = new.ID;\n"
                       "END"),
        QStringLiteral("CREATE TRIGGER cautare_adaugat AFTER INSERT ON Acte BEGIN\n"
                       "  INSERT INTO cautare_modificari (id_acte, indexat) VALUES (new.ID, 0);\n"
                       "END"),
        QStringLiteral("CREATE TRIGGER cautare_sters AFTER DELETE ON Acte BEGIN\n"
                       "  INSERT INTO cautare_modificari (id_acte, indexat, titlu, continut)\n"
                       "    VALUES (old.ID, 1, old.Titlu, old.Continut);\n"
                       "END"),
        QStringLiteral("CREATE TRIGGER cautare_schimbat AFTER UPDATE OF ID, Titlu, Continut ON Acte BEGIN\n"
                       "  INSERT INTO cautare_modificari (id_acte, indexat, titlu, continut)\n"
                       "    VALUES (old.ID, 1, old.Titlu, old.Continut);\n"
                       "  INSERT INTO cautare_modificari (id_acte, indexat) VALUES (new.ID, 0);\n"
                       "END")};
}

bool present(modDB& db)
{
    // The server has an index of its own kind; a read-only installed
    // catalogue is reached as an attached file whose index, if any, is
    // probed table by table.
    if (db.isOffice())
        return false;
    QStringList names;
    for (const QString& n : kObjects)
        names << literal(n);
    const qint64 objects =
        count(db, QStringLiteral("select count(*) as n from sqlite_master where name in (%1)").arg(names.join(u',')));
    if (objects == 0) { // perhaps all in the installed form's attached catalogue
        for (const char* table : {"cautare_titlu", "cautare_text", "cautare_modificari", "cautare_stare"})
            if (!db.hasTable(QString::fromLatin1(table)))
                return false;
    } else if (objects != kObjects.size()) {
        return false;
    }
    return count(db, QStringLiteral("select max(versiune) as n from cautare_stare")) == kVersion;
}

qint64 pending(modDB& db)
{
    return count(db, QStringLiteral("select count(*) as n from cautare_modificari"));
}

bool build(modDB& db, const Step& step)
{
    const qint64 total = count(db, QStringLiteral("select count(*) as n from Acte"));
    modDB::Transaction transaction(db);
    sqlite3* h = db.CurrentDb();
    for (const QString& name : kObjects.mid(4))
        exec(h, QStringLiteral("DROP TRIGGER IF EXISTS ") + name);
    for (const QString& name : kObjects.mid(0, 4))
        exec(h, QStringLiteral("DROP TABLE IF EXISTS ") + name);
    for (const QString& sql : schemaStatements())
        exec(h, sql);
    RoomyWrites roomy(h);
    exec(h, QStringLiteral("INSERT INTO cautare_titlu (rowid, titlu) SELECT ID, %1 FROM Acte")
                .arg(TextFold::sqlStripDiacritics(QStringLiteral("Titlu"))));
    {
        Stmt acts(h, "SELECT ID, Titlu, Continut FROM Acte");
        Stmt insert(h, kInsertText);
        Pacer pacer(step, total);
        while (acts.row()) {
            const std::string title = TextFold::stemmedText(acts.text(1));
            const std::string text = TextFold::stemmedText(acts.text(2));
            insert.bind(1, acts.integer(0));
            insert.bind(2, title);
            insert.bind(3, text);
            insert.run();
            if (!pacer.next())
                return false;
        }
    }
    roomy.restore();
    transaction.commit();
    return true;
}

bool catchUp(modDB& db, const Step& step)
{
    // A file whose index was never built (the user cancelled) has no log.
    if (!present(db))
        return true;
    const qint64 total = pending(db);
    if (total == 0)
        return true;
    std::optional<modDB::Transaction> transaction;
    if (sqlite3_get_autocommit(db.CurrentDb()))
        transaction.emplace(db);
    sqlite3* h = db.CurrentDb();
    qint64 lastEntry = 0;
    RoomyWrites roomy(h);
    {
        // The first entry of an act since the index was last current says
        // what the index holds for it: the old title and text, or nothing.
        Stmt log(h, "SELECT id, id_acte, indexat, titlu, continut FROM cautare_modificari ORDER BY id_acte, id");
        Stmt remove(h, "INSERT INTO cautare_text (cautare_text, rowid, titlu, text) VALUES ('delete', ?, ?, ?)");
        Stmt current(h, "SELECT Titlu, Continut FROM Acte WHERE ID = ?");
        Stmt insert(h, kInsertText);
        Stmt dropTitle(h, "DELETE FROM cautare_titlu WHERE rowid = ?");
        const QByteArray addTitleSql = insertTitleSql();
        Stmt addTitle(h, addTitleSql.constData());
        Pacer pacer(step, total);
        bool first = true;
        qint64 previous = 0;
        while (log.row()) {
            lastEntry = std::max(lastEntry, log.integer(0));
            const qint64 act = log.integer(1);
            if (first || act != previous) {
                first = false;
                previous = act;
                if (log.integer(2) != 0) {
                    const std::string title = TextFold::stemmedText(log.text(3));
                    const std::string text = TextFold::stemmedText(log.text(4));
                    remove.bind(1, act);
                    remove.bind(2, title);
                    remove.bind(3, text);
                    remove.run();
                    dropTitle.bind(1, act);
                    dropTitle.run();
                }
                current.bind(1, act);
                if (current.row()) {
                    addTitle.bind(1, act);
                    addTitle.bind(2, current.text(0));
                    addTitle.run();
                    const std::string title = TextFold::stemmedText(current.text(0));
                    const std::string text = TextFold::stemmedText(current.text(1));
                    insert.bind(1, act);
                    insert.bind(2, title);
                    insert.bind(3, text);
                    insert.run();
                }
                current.reset();
            }
            if (!pacer.next())
                return false;
        }
    }
    exec(h, QStringLiteral("DELETE FROM cautare_modificari WHERE id <= %1").arg(lastEntry));
    roomy.restore();
    if (transaction)
        transaction->commit();
    return true;
}

struct PackWriter::Work {
    Work(modDB& store, const std::vector<UpdatePack::Act>& packActs) : db(store), acts(packActs) {}
    ~Work()
    {
        stop = true;
        if (worker.joinable())
            worker.join();
    }

    struct Stemmed {
        std::string title; // as written, for the title index
        std::string titleStems, textStems;
    };

    void stemAll()
    {
        try {
            for (size_t i = 0; i < acts.size() && !stop; ++i) {
                const QByteArray title = acts[i].titlu.toUtf8();
                const QByteArray text = acts[i].continut.toUtf8();
                Stemmed& s = stemmed[i];
                s.title.assign(title.constData(), size_t(title.size()));
                s.titleStems = TextFold::stemmedText(s.title);
                s.textStems = TextFold::stemmedText(std::string_view(text.constData(), size_t(text.size())));
                std::lock_guard<std::mutex> lock(mutex);
                ready = i + 1;
                more.notify_one();
            }
        } catch (...) {
            std::lock_guard<std::mutex> lock(mutex);
            failed = true;
            more.notify_one();
        }
    }

    // Waits for the act's words, keeping the progress dialog alive; false when stopped.
    bool waitFor(size_t i, const Step& step)
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (ready <= i && !failed) {
            if (more.wait_for(lock, std::chrono::milliseconds(50)) == std::cv_status::timeout && step) {
                lock.unlock();
                if (!step(qint64(i), qint64(acts.size())))
                    return false;
                lock.lock();
            }
        }
        if (failed)
            throw StoreError(QStringLiteral("Indexul de cautare nu a putut fi actualizat."));
        return true;
    }

    modDB& db;
    const std::vector<UpdatePack::Act>& acts;
    sqlite3* h = nullptr;
    bool active = false;
    std::vector<std::pair<QString, QString>> triggers; // name and statement, as the file has them
    std::vector<Stemmed> stemmed;
    std::unique_ptr<Stmt> old, remove, dropTitle;

    std::mutex mutex;
    std::condition_variable more;
    size_t ready = 0;
    bool failed = false;
    std::atomic<bool> stop{false};
    std::thread worker;
};

PackWriter::PackWriter(modDB& db, const std::vector<UpdatePack::Act>& acts) : m_work(std::make_unique<Work>(db, acts))
{
    Work& w = *m_work;
    if (acts.empty() || !present(db))
        return;
    catchUp(db);
    w.h = db.CurrentDb();
    {
        Stmt own(w.h, "SELECT count(*) FROM main.sqlite_master WHERE type = 'table' AND name IN "
                      "('cautare_titlu', 'cautare_text', 'cautare_modificari')");
        own.row();
        if (own.integer(0) != 3)
            return;
        Stmt triggers(w.h, "SELECT name, sql FROM main.sqlite_master WHERE type = 'trigger' AND name IN "
                           "('cautare_inainte', 'cautare_adaugat', 'cautare_sters', 'cautare_schimbat')");
        while (triggers.row())
            w.triggers.emplace_back(QString::fromUtf8(triggers.text(0).data(), qsizetype(triggers.text(0).size())),
                                    QString::fromUtf8(triggers.text(1).data(), qsizetype(triggers.text(1).size())));
    }
    if (w.triggers.size() != 4) {
        w.triggers.clear();
        return;
    }
    for (const auto& [name, sql] : w.triggers)
        exec(w.h, QStringLiteral("DROP TRIGGER main.") + name);
    w.active = true;
    w.stemmed.resize(acts.size());
    try {
        w.worker = std::thread([&w] { w.stemAll(); });
    } catch (const std::system_error&) {
        w.stemAll(); // no second thread to be had: the same work, before the rows
    }
}

PackWriter::~PackWriter() = default;

void PackWriter::removing(qint64 id)
{
    Work& w = *m_work;
    if (!w.active)
        return;
    if (!w.old) {
        w.old = std::make_unique<Stmt>(w.h, "SELECT Titlu, Continut FROM Acte WHERE ID = ?");
        w.remove = std::make_unique<Stmt>(
            w.h, "INSERT INTO cautare_text (cautare_text, rowid, titlu, text) VALUES ('delete', ?, ?, ?)");
        w.dropTitle = std::make_unique<Stmt>(w.h, "DELETE FROM cautare_titlu WHERE rowid = ?");
    }
    w.old->bind(1, id);
    if (w.old->row()) {
        const std::string title = TextFold::stemmedText(w.old->text(0));
        const std::string text = TextFold::stemmedText(w.old->text(1));
        w.old->reset();
        w.remove->bind(1, id);
        w.remove->bind(2, title);
        w.remove->bind(3, text);
        w.remove->run();
        w.dropTitle->bind(1, id);
        w.dropTitle->run();
    } else {
        w.old->reset();
    }
}

bool PackWriter::finish(const Step& step)
{
    Work& w = *m_work;
    if (!w.active)
        return catchUp(w.db, step);
    RoomyWrites roomy(w.h);
    {
        Stmt insert(w.h, kInsertText);
        const QByteArray titleSql = insertTitleSql();
        Stmt title(w.h, titleSql.constData());
        Pacer pacer(step, qint64(w.acts.size()));
        for (size_t i = 0; i < w.acts.size(); ++i) {
            if (!w.waitFor(i, step))
                return false;
            const Work::Stemmed s = std::move(w.stemmed[i]);
            title.bind(1, w.acts[i].id);
            title.bind(2, s.title);
            title.run();
            insert.bind(1, w.acts[i].id);
            insert.bind(2, s.titleStems);
            insert.bind(3, s.textStems);
            insert.run();
            if (!pacer.next())
                return false;
        }
    }
    roomy.restore();
    w.old.reset();
    w.remove.reset();
    w.dropTitle.reset();
    for (const auto& [name, sql] : w.triggers)
        exec(w.h, sql);
    w.active = false;
    return true;
}

void prepareAtStart(AppContext& ctx)
{
    if (ctx.db.isOffice())
        return;
    try {
        if (count(ctx.db, QStringLiteral("select count(*) as n from sqlite_master where name = 'Acte'")) == 0)
            return;
        std::unique_ptr<Progress> progress;
        const Step step = [&progress](qint64 done, qint64 total) { return progress->step(done, total); };
        if (!present(ctx.db)) {
            progress = ctx.dialogs->startProgress(ctx.window, QStringLiteral("Se pregateste cautarea in texte..."));
            build(ctx.db, step);
        } else if (const qint64 changed = pending(ctx.db); changed > 0) {
            // A few changed acts take less than a blink: no dialog for them.
            if (changed >= kQuietChanges)
                progress =
                    ctx.dialogs->startProgress(ctx.window, QStringLiteral("Se actualizeaza cautarea in texte..."));
            catchUp(ctx.db, progress ? step : Step());
        }
    } catch (const StoreError&) {
        // A read-only or damaged file: the search works without the index,
        // and the next start tries again.
    }
}

QStringList titleWords(const QString& keyword)
{
    QStringList words = foldRomanian(keyword).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}

QString statement(const QString& criteria, const QString& keyword, bool inText, bool indexed)
{
    const QString where = criteriaConditions(criteria);
    const QString head = QStringLiteral("select ID, Titlu, TipAct from Acte ");

    const TitleMatch title = titleMatch(keyword);
    if (title.ftsQuery.isEmpty() && title.shortWords.isEmpty()) // only blanks
        return where.isEmpty() ? head : head + QStringLiteral("where ") + where.chopped(4);

    QString stemList;
    QStringList stemQuery;
    if (inText) {
        for (const std::string& s : TextFold::stems(keyword)) {
            const QString stem = QString::fromStdString(s);
            stemList += (stemList.isEmpty() ? QString() : QStringLiteral(" ")) + stem;
            stemQuery << quotedFts(stem);
        }
    }

    if (!indexed) {
        // Without the index: the folded title checked act by act.
        const QString inTitle = titleHas(QStringLiteral("Titlu"), titleWords(keyword).join(QLatin1Char(' ')));
        if (stemList.isEmpty())
            return head + QStringLiteral("where ") + where + QLatin1Char('(') + inTitle + QStringLiteral(") ");
        return head + QStringLiteral("where ") + where + QStringLiteral("((") + inTitle +
               QStringLiteral(") or tarvenor_text_has(Titlu, Continut, ") + literal(stemList) +
               QStringLiteral(")) order by (") + inTitle + QStringLiteral(") desc, ID ");
    }

    if (stemList.isEmpty()) {
        // The catalogue's order, as the plain title search always listed.
        return head + QStringLiteral("where ") + where + QStringLiteral("ID in (select h from (") +
               indexedTitleIds(title, titleWords(keyword).join(QLatin1Char(' '))) + QStringLiteral(")) ");
    }
    // Title hits first, then the text hits by relevance. Acts still in the
    // log may be behind in the word index: those are checked directly.
    const QString hits =
        indexedTitleIds(title, titleWords(keyword).join(QLatin1Char(' '))) +
        QStringLiteral(" union all select rowid, 1, bm25(cautare_text) from cautare_text where cautare_text match ") +
        literal(stemQuery.join(QLatin1String(" AND "))) +
        QStringLiteral(" and rowid not in (select id_acte from cautare_modificari)"
                       " union all select ID, 1, 0 from Acte where ID in (select id_acte from cautare_modificari)"
                       " and tarvenor_text_has(Titlu, Continut, ") +
        literal(stemList) + QLatin1Char(')');
    return QStringLiteral("select ID, Titlu, TipAct from Acte join (") + hits + QStringLiteral(") on ID = h ") +
           (where.isEmpty() ? QString() : QStringLiteral("where ") + where.chopped(4)) +
           QStringLiteral("group by ID order by min(o), min(r), ID ");
}

QString serverStatement(const QString& criteria, const QString& keyword, bool inText)
{
    const QString where = criteriaConditions(criteria);
    const QString head = QStringLiteral("select ID, Titlu, TipAct from Acte ");
    // Word by word against the title the server folded when it was written,
    // so that every word uses the trigram index.
    QStringList perWord;
    for (const QString& w : titleWords(keyword))
        perWord << QStringLiteral("tarvenor_folded_has(Titlu_pliat, %1)").arg(literal(w));
    if (perWord.isEmpty())
        return where.isEmpty() ? head : head + QStringLiteral("where ") + where.chopped(4);
    const QString inTitle = QLatin1Char('(') + perWord.join(QLatin1String(" and ")) + QLatin1Char(')');
    const QString stems = inText ? keywordStems(keyword) : QString();
    if (stems.isEmpty())
        return head + QStringLiteral("where ") + where + inTitle + QStringLiteral(" order by ID ");
    // Title hits first, then acts whose words hold every stem (kept by the
    // server beside the catalogue), by the server's rank; each rank is
    // reckoned once, for the acts found only.
    const QString stemsLiteral = literal(stems);
    const QString hits = QStringLiteral("select ID as h, 0 as o, 0 as r from Acte where ") + inTitle +
                         QStringLiteral(" union all select id, 1, tarvenor_words_rank(cuvinte, ") + stemsLiteral +
                         QStringLiteral(") from acte_cuvinte where tarvenor_words_have(cuvinte, ") + stemsLiteral +
                         QLatin1Char(')');
    return QStringLiteral("select ID, Titlu, TipAct from Acte join (") + hits + QStringLiteral(") as hits on ID = h ") +
           (where.isEmpty() ? QString() : QStringLiteral("where ") + where.chopped(4)) +
           QStringLiteral("group by ID order by min(o), max(r) desc, ID ");
}

} // namespace SearchIndex
