#pragma once

#include "catalogue/UpdatePack.h"

#include <QByteArray>
#include <QString>

class modDB;

// The gate in front of the Update entry: a pack is read into the catalogue
// only when a trusted publisher signed exactly these bytes, and only when it
// brings the catalogue forward. Refusals come before anything is read in.
namespace SignedPack {

struct Publisher {
    QString version; // YYYY.MM.DD, taken from the trusted comment
    QString comment; // the whole trusted comment
};

QString signaturePath(const QString& packPath);

struct VerifiedPack {
    Publisher publisher;
    UpdatePack::Pack pack;
};

// Reads a pack file for the Update entry. Refusals come in this order: the
// signature (UserError, see check), the version (refuseUnlessNewer), then the
// pack's own text (UpdatePack::Refusal). The signature is checked on a second
// core while the text is unpacked and parsed in memory, so a large pack pays
// little for it; nothing reaches the catalogue before both are done.
VerifiedPack read(modDB& db, const QString& programDir, const QString& packPath);

// Checks the pack file's bytes against PACK.minisig and db/trusted-keys;
// throws UserError ("... nu este semnat de un editor de incredere." + why).
Publisher check(const QString& programDir, const QString& packPath, const QByteArray& pack);

// The first word of the comment of the form YYYY.MM.DD, or an empty text.
QString versionIn(const QString& comment);

// The version the catalogue has reached: empty before the first signed pack.
QString currentVersion(modDB& db);
// Throws UserError unless `version` is newer than the catalogue's.
void refuseUnlessNewer(modDB& db, const QString& version);
// Records the applied version; called inside the update's transaction. A
// catalogue made before versions were kept gains their table here, the only
// table the program ever creates.
void record(modDB& db, const Publisher& publisher);

} // namespace SignedPack
