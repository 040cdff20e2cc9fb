#pragma once

#include <QString>

class modDB;
class Dialogs;
class QWidget;
namespace UpdatePack {
struct Pack;
}
namespace SignedPack {
struct Publisher;
}

// Applies one signed update pack to a catalogue: checked whole first, then
// read in one transaction, so a pack lands entirely or not at all. Shared by
// the Update entry and the administrator's tarvenor-update command.
class PackImport {
public:
    PackImport(modDB& db, Dialogs& dialogs, QWidget* window, const QString& programDir);

    struct Result {
        bool applied = false;
        QString message; // what the user is told, lines separated by CR
    };
    // Throws UserError (UpdatePack::Refusal among them) when the pack is
    // refused before anything was read in.
    Result run(const QString& path);

private:
    struct Counts {
        int newActs = 0;
        int replacedActs = 0;
        int news = 0;
        const SignedPack::Publisher* publisher = nullptr; // whose signed version the pack brings
    };

    bool actExists(qint64 id);
    void checkLinks(const UpdatePack::Pack& pack);
    // False when the user cancelled; throws StoreError on a store failure.
    bool apply(const UpdatePack::Pack& pack, Counts& counts);

    modDB& m_db;
    Dialogs& m_dialogs;
    QWidget* m_window;
    QString m_programDir;
};
