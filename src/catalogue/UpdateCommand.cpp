#include "catalogue/UpdateCommand.h"

#include "catalogue/CatalogueLists.h"
#include "catalogue/SearchIndex.h"
#include "catalogue/UpdatePack.h"
#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QElapsedTimer>

#include <set>

void UpdateCommand::Update_Click()
{
    const QString path = m_ctx.dialogs->openFile(m_ctx.window, QStringLiteral("Alegeti pachetul de actualizare"),
                                                 QStringLiteral("Pachete de actualizare (*.sql *.sql.gz)"));
    if (path.isEmpty())
        return;
    ImportUpdatePack(path);
}

void UpdateCommand::ImportUpdatePack(const QString& path)
{
    // A refusal reaches the user through the window's error handling.
    const UpdatePack::Pack pack = UpdatePack::parse(UpdatePack::decode(UpdatePack::readFile(path)));
    checkLinks(pack);
    Counts counts;
    bool finished = false;
    try {
        finished = apply(pack, counts);
    } catch (const StoreError& e) {
        // The transaction has been rolled back by the time we get here.
        m_ctx.message(QStringLiteral("Actualizarea nu a putut fi aplicata; catalogul a ramas neschimbat.\r") +
                      e.message());
        return;
    }
    if (!finished) {
        m_ctx.message(QStringLiteral("Actualizarea a fost anulata; catalogul a ramas neschimbat."));
        return;
    }
    refillLists();
    m_ctx.message(QStringLiteral("Actualizare reusita: %1 acte noi, %2 acte actualizate, %3 noutati.")
                      .arg(counts.newActs)
                      .arg(counts.replacedActs)
                      .arg(counts.news));
}

bool UpdateCommand::actExists(qint64 id)
{
    m_ctx.db.RunSql(QStringLiteral("Select ID from Acte where ID = ") + QString::number(id), true);
    return !m_ctx.db.CurrentRs().Eof();
}

// A news item must lead to an act the user can open after the update.
void UpdateCommand::checkLinks(const UpdatePack::Pack& pack)
{
    std::set<qint64> inPack;
    for (const auto& act : pack.acts)
        inPack.insert(act.id);
    for (const auto& n : pack.news) {
        if (inPack.count(n.link))
            continue;
        bool exists = false;
        try {
            exists = actExists(n.link);
        } catch (const StoreError& e) {
            throw UpdatePack::Refusal(0, e.message());
        }
        if (!exists)
            throw UpdatePack::Refusal(
                n.line,
                QStringLiteral("noutatea %1 trimite la actul %2, care nu exista nici in catalog, nici in pachet")
                    .arg(n.id)
                    .arg(n.link));
    }
}

bool UpdateCommand::apply(const UpdatePack::Pack& pack, Counts& counts)
{
    const qint64 total = qint64(pack.acts.size() + pack.news.size());
    std::unique_ptr<Progress> progress =
        m_ctx.dialogs->startProgress(m_ctx.window, QStringLiteral("Se actualizeaza catalogul..."));
    QElapsedTimer sinceStep;
    sinceStep.start();
    qint64 done = 0;
    // Asking for progress too often would cost more than the work itself.
    auto keepGoing = [&]() {
        ++done;
        if (done != total && sinceStep.elapsed() < 50 && done % 500 != 0)
            return true;
        sinceStep.restart();
        return progress->step(done, total);
    };

    Counts c;
    modDB::Transaction transaction(m_ctx.db);
    for (const auto& act : pack.acts) {
        const QString id = QString::number(act.id);
        if (actExists(act.id)) {
            // An amended act replaces the version in the catalogue.
            m_ctx.db.RunSql(QStringLiteral("delete * from Acte where ID = ") + id, false);
            ++c.replacedActs;
        } else {
            ++c.newActs;
        }
        m_ctx.db.RunSql(UpdatePack::actStatement(act), false);
        if (!keepGoing())
            return false;
    }
    for (const auto& n : pack.news) {
        m_ctx.db.RunSql(QStringLiteral("delete * from noutati where id = ") + QString::number(n.id), false);
        m_ctx.db.RunSql(UpdatePack::newsStatement(n), false);
        ++c.news;
        if (!keepGoing())
            return false;
    }
    SearchIndex::catchUp(m_ctx.db); // search index: the pack's acts, in the same transaction
    transaction.commit();
    counts = c;
    return true;
}

void UpdateCommand::refillLists()
{
    // The update has landed; a failing refill only leaves a list short.
    try {
        m_ctx.ui.List4->Clear();
        CatalogueLists::fillNews(m_ctx);
        if (m_ctx.state.AllActsListed) {
            m_ctx.ui.List1->Clear();
            CatalogueLists::fillAllActs(m_ctx);
        }
    } catch (const StoreError&) {
    }
}
