#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads rich text (RTF) into a QTextDocument: paragraphs with their alignment,
// indents and spacing; bold, italic, underline, strike-out, font, size and
// colour; code-page and Unicode escapes. Tables, pictures and other objects
// are dropped, their text kept where there is any. Malformed input never
// crashes or hangs the reader: nesting and size are bounded and every byte is
// read at most a fixed number of times.
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
