#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads rich text (RTF) into a QTextDocument as its author sees it:
// paragraphs with their alignment, indents, spacing, tab stops and page
// breaks; bold, italic, underline, strike-out, raised and lowered text,
// capitals, font, size, colour and highlight; code-page and Unicode escapes
// and symbol fonts; tables (nested and merged cells too), numbered and
// bulleted lists, text boxes, footnotes and endnotes (gathered at the end).
// Deleted revisions and hidden text are left out. The running header and
// footer are kept beside the document (PageDecoration) for printing.
// Pictures and other objects are dropped. Malformed input never crashes or
// hangs the reader: nesting and size are bounded and the work grows in step
// with the input.
class RtfReader {
public:
    struct Limits {
        int maxDepth = 200;                 // deeper groups are skipped whole
        qint64 maxBytes = 64 * 1024 * 1024; // larger files are refused
    };

    RtfReader() = default;
    explicit RtfReader(const Limits& limits) : m_limits(limits) {}

    // Replaces the content of `doc`. False, with `error` set and `doc` left
    // empty, when the data is not RTF or exceeds the limits.
    bool read(const QByteArray& data, QTextDocument& doc, QString* error = nullptr) const;
    bool readFile(const QString& path, QTextDocument& doc, QString* error = nullptr) const;

    // Bytes of a Windows code page as Unicode, through Qt's converters (1252
    // when Qt has none for the page); see RtfCodePageDecoder.
    static QString decode(const QByteArray& bytes, int codePage);

private:
    Limits m_limits;
};
