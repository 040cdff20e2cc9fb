#include "catalogue/CatalogueAdmin.h"

#include "catalogue/PackImport.h"
#include "catalogue/SearchIndex.h"
#include "catalogue/SignedPack.h"
#include "shell/Dialogs.h"
#include "store/CatalogueCopy.h"
#include "store/DataLocation.h"
#include "store/UserError.h"
#include "store/modDB.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace CatalogueAdmin {
namespace {

// Progress and messages on the terminal; nothing is ever asked.
class ConsoleDialogs final : public Dialogs {
public:
    explicit ConsoleDialogs(QTextStream& out) : m_out(out) {}
    void message(QWidget*, const QString& text) override { m_out << messageLines(text) << Qt::endl; }
    bool question(QWidget*, const QString&) override { return false; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::unique_ptr<Progress> startProgress(QWidget*, const QString& label) override;

private:
    QTextStream& m_out;
};

class ConsoleProgress final : public Progress {
public:
    ConsoleProgress(QTextStream& out, const QString& label) : m_out(out) { m_out << label << Qt::endl; }
    bool step(qint64 done, qint64 total) override
    {
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        if (percent / 10 != m_shown / 10) {
            m_shown = percent;
            m_out << percent << "%" << Qt::endl;
        }
        return true;
    }

private:
    QTextStream& m_out;
    int m_shown = -1;
};

std::unique_ptr<Progress> ConsoleDialogs::startProgress(QWidget*, const QString& label)
{
    return std::make_unique<ConsoleProgress>(m_out, label);
}

QString versionOf(const QString& file)
{
    modDB db(DataLocation::Files{file, QString()});
    return SignedPack::currentVersion(db);
}

} // namespace

int applyPack(const QString& programDir, const QString& packPath, QTextStream& out)
{
    QString target = DataLocation::shippedCatalogue(programDir);
    if (DataLocation::isInstalled(programDir)) {
        target = DataLocation::updatedCatalogue();
        const QString folder = QFileInfo(target).absolutePath();
        if (!QDir().mkpath(folder)) {
            out << "Folderul " << folder << " nu poate fi creat; catalogul a ramas neschimbat." << Qt::endl;
            return 1;
        }
        if (!QFileInfo::exists(target) && !CatalogueCopy::make(DataLocation::shippedCatalogue(programDir), target)) {
            out << "Catalogul nu poate fi copiat in " << folder << "; catalogul a ramas neschimbat." << Qt::endl;
            return 1;
        }
    }
    out << "Se aplica pachetul " << packPath << " catalogului " << target << Qt::endl;
    ConsoleDialogs dialogs(out);
    try {
        modDB db(DataLocation::Files{target, QString()});
        const PackImport::Result result = PackImport(db, dialogs, nullptr, programDir).run(packPath);
        dialogs.message(nullptr, result.message);
        return result.applied ? 0 : 1;
    } catch (const UserError& e) {
        dialogs.message(nullptr, e.message());
        return 1;
    }
}

int afterInstall(const QString& programDir, QTextStream& out)
{
    const QString updated = DataLocation::updatedCatalogue();
    if (!DataLocation::isInstalled(programDir) || !QFileInfo::exists(updated))
        return 0;
    try {
        const QString shipped = versionOf(DataLocation::shippedCatalogue(programDir));
        const QString kept = versionOf(updated);
        // Versions are YYYY.MM.DD texts: their order is the text order.
        if (shipped > kept) {
            QFile::remove(updated);
            out << "Catalogul noului pachet (" << shipped << ") este mai nou decat cel actualizat (" << kept
                << "); se foloseste catalogul pachetului." << Qt::endl;
        } else {
            out << "Se pastreaza catalogul actualizat (" << (kept.isEmpty() ? QStringLiteral("fara versiune") : kept)
                << ")." << Qt::endl;
        }
        return 0;
    } catch (const UserError& e) {
        out << messageLines(e.message()) << Qt::endl;
        return 1;
    }
}

int buildSearchIndex(const QString& databasePath, QTextStream& out)
{
    try {
        modDB db(DataLocation::Files{databasePath, QString()});
        // A catalogue loaded by the shell has its acts in the index's log.
        if (!SearchIndex::present(db))
            SearchIndex::build(db);
        else
            SearchIndex::catchUp(db);
        out << "Cautarea in texte este pregatita pentru " << databasePath << "." << Qt::endl;
        return 0;
    } catch (const UserError& e) {
        out << messageLines(e.message()) << Qt::endl;
        return 1;
    }
}

} // namespace CatalogueAdmin
