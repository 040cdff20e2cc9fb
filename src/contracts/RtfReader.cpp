#include "contracts/RtfReader.h"

#include "contracts/RtfCodePage.h"
#include "contracts/RtfStateReader.h"

#include <QFile>
#include <QTextDocument>

namespace {

// Where "{\rtf" starts, after a byte-order mark or blank space; -1 if nowhere.
qsizetype rtfStart(const QByteArray& data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf" ? i : -1;
}

} // namespace

QString RtfReader::decode(const QByteArray& bytes, int codePage)
{
    return RtfCodePageDecoder().decode(bytes, codePage);
}

bool RtfReader::read(const QByteArray& data, QTextDocument& doc, QString* error) const
{
    doc.clear();
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (data.size() > m_limits.maxBytes)
        return fail(QStringLiteral("Fisierul este prea mare."));
    const qsizetype start = rtfStart(data);
    if (start < 0)
        return fail(QStringLiteral("Fisierul nu este in format RTF."));
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    RtfStateReader reader(start == 0 ? data : data.mid(start), doc, m_limits.maxDepth);
    reader.run();
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return true;
}

bool RtfReader::readFile(const QString& path, QTextDocument& doc, QString* error) const
{
    auto fail = [&doc, error](const QString& why) {
        doc.clear();
        if (error)
            *error = why;
        return false;
    };
    // The user reads these; the file system's own words are not Romanian.
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(f.exists() ? QStringLiteral("Fisierul nu poate fi citit (acces refuzat sau folder).")
                               : QStringLiteral("Fisierul lipseste."));
    if (f.size() > m_limits.maxBytes)
        return fail(QStringLiteral("Fisierul este prea mare."));
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Fisierul nu poate fi citit."));
    return read(data, doc, error);
}
