#pragma once

#include "store/UserError.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A catalogue update pack: a UTF-8 text (plain or gzip-compressed) holding
// only the two loading statements of the catalogue, one per act or news item.
// It is read by our own parser and never handed to the store as SQL, so a pack
// can bring acts and news and nothing else.
namespace UpdatePack {

struct Act {
    qint64 id = 0;
    QString titlu, an, dataAparitie, monitoruloficial, emitent, tipact, continut, nract;
    int line = 0; // where its statement starts
};

struct News {
    qint64 id = 0;
    QString titlu;
    qint64 link = 0;
    int line = 0;
};

struct Pack {
    QString name; // from an optional first comment line
    std::vector<Act> acts;
    std::vector<News> news;
};

// Why a pack is refused; line 0 when the fault belongs to no line. Its
// message tells the user that the catalogue was left as it was.
class Refusal : public UserError {
public:
    Refusal(int atLine, const QString& why);
    int line;
    QString reason;
};

// The file's bytes, unpacked when gzip-compressed. Throws Refusal.
QByteArray readFile(const QString& path);
// The same in two steps, so the bytes a signature covers are the bytes read in.
QByteArray readRaw(const QString& path);
QByteArray unpack(const QByteArray& raw);
// Strict UTF-8 (a leading byte-order mark is dropped). Throws Refusal.
QString decode(const QByteArray& bytes);
// The whole pack, or Refusal at the first fault.
Pack parse(const QString& text);

// The loading statements as a pack writes them; parse() reads them back.
QString actStatement(const Act& act);
QString newsStatement(const News& news);

// Writes a pack file; gzip-compressed when the name ends in ".gz". False on failure.
bool writeFile(const QString& path, const QByteArray& utf8);

} // namespace UpdatePack
