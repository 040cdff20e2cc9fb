#include "catalogue/PackImport.h"

#include "catalogue/SearchIndex.h"
#include "catalogue/SignedPack.h"
#include "catalogue/UpdatePack.h"
#include "shell/Dialogs.h"
#include "store/modDB.h"

#include <QElapsedTimer>

#include <set>

PackImport::PackImport(modDB& db, Dialogs& dialogs, QWidget* window, const QString& programDir)
    : m_db(db), m_dialogs(dialogs), m_window(window), m_programDir(programDir)
{
}

PackImport::Result PackImport::run(const QString& path)
{
    // A refusal reaches the caller as a UserError. Only a trusted publisher's
    // pack, newer than the catalogue, gets past here.
    const SignedPack::VerifiedPack verified = SignedPack::read(m_db, m_programDir, path);
    const UpdatePack::Pack& pack = verified.pack;
    const SignedPack::Publisher& publisher = verified.publisher;
    checkLinks(pack);
    Counts counts;
    counts.publisher = &publisher;
    bool finished = false;
    try {
        finished = apply(pack, counts);
    } catch (const StoreError& e) {
        // The transaction has been rolled back by the time we get here.
        return {false,
                QStringLiteral("Actualizarea nu a putut fi aplicata; catalogul a ramas neschimbat.\r") + e.message()};
    }
    if (!finished)
        return {false, QStringLiteral("Actualizarea a fost anulata; catalogul a ramas neschimbat.")};
    return {true, QStringLiteral("Actualizare reusita: %1 acte noi, %2 acte actualizate, %3 noutati.")
                          .arg(counts.newActs)
                          .arg(counts.replacedActs)
                          .arg(counts.news) +
                      QStringLiteral("\rCatalogul este acum la versiunea %1.\rDe la editor: %2")
                          .arg(publisher.version, publisher.comment)};
}

bool PackImport::actExists(qint64 id)
{
    m_db.RunSql(QStringLiteral("Select ID from Acte where ID = ") + QString::number(id), true);
    return !m_db.CurrentRs().Eof();
}

// A news item must lead to an act the user can open after the update.
void PackImport::checkLinks(const UpdatePack::Pack& pack)
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

bool PackImport::apply(const UpdatePack::Pack& pack, Counts& counts)
{
    // The search index's share comes last: one more step per act.
    const qint64 total = qint64(2 * pack.acts.size() + pack.news.size());
    std::unique_ptr<Progress> progress =
        m_dialogs.startProgress(m_window, QStringLiteral("Se actualizeaza catalogul..."));
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

    Counts c = counts;
    modDB::Transaction transaction(m_db);
    SearchIndex::PackWriter index(m_db, pack.acts);
    for (const auto& act : pack.acts) {
        const QString id = QString::number(act.id);
        if (actExists(act.id)) {
            // An amended act replaces the version in the catalogue.
            index.removing(act.id);
            m_db.RunSql(QStringLiteral("delete * from Acte where ID = ") + id, false);
            ++c.replacedActs;
        } else {
            ++c.newActs;
        }
        m_db.RunSql(UpdatePack::actStatement(act), false);
        if (!keepGoing())
            return false;
    }
    for (const auto& n : pack.news) {
        m_db.RunSql(QStringLiteral("delete * from noutati where id = ") + QString::number(n.id), false);
        m_db.RunSql(UpdatePack::newsStatement(n), false);
        ++c.news;
        if (!keepGoing())
            return false;
    }
    const qint64 indexFrom = done;
    if (!index.finish([&](qint64 indexed, qint64) { return progress->step(indexFrom + indexed, total); }))
        return false;
    SignedPack::record(m_db, *counts.publisher);
    transaction.commit();
    counts = c;
    return true;
}
