#pragma once

#include "contracts/RtfCodePage.h"
#include "contracts/RtfControlWords.h"
#include "contracts/RtfDocumentWriter.h"
#include "contracts/RtfTokenizer.h"

#include <QByteArray>

#include <vector>

class QTextDocument;

// Reads RTF tokens into the state of the open groups, the font and colour
// tables, and the text with its formats, which goes to the document writer.
class RtfStateReader {
public:
    // `data` opens with "{\rtf"; groups deeper than `maxDepth` are skipped whole.
    RtfStateReader(const QByteArray& data, QTextDocument& doc, int maxDepth);

    void run();

private:
    enum class Dest { Text, FontTable, ColorTable };

    struct Group {
        RtfCharState ch;
        RtfParaState para;
        Dest dest = Dest::Text;
        int uc = 1; // characters that stand in for a \u character
    };

    void openGroup();
    void closeGroup();
    void skipRestOfGroup();

    void symbol(char c);
    void word(const RtfWord& w);
    void textWord(const RtfControlWord& cw, const RtfWord& w);
    void paragraphWord(const RtfControlWord& cw, long long param);
    void unicode(long long param);
    void fontTableWord(const RtfControlWord& cw, const RtfWord& w);
    void commitFont();
    void colorTableWord(const RtfControlWord& cw, const RtfWord& w);
    bool consumeSkip();

    void plainByte(uchar b);
    void escapedByte(uchar b);
    void flushBytes();
    void textChar(QChar c);
    void endParagraph();
    int codePageOf(int font) const;

    RtfTokenizer m_tokens;
    RtfTables m_tables;
    RtfDocumentWriter m_out;
    RtfCodePageDecoder m_decoder;
    int m_maxDepth;
    bool m_open = true;

    std::vector<Group> m_stack;
    Group m_cur;
    int m_skipChars = 0;          // fallback characters after \u still to drop
    bool m_ignorableNext = false; // after \*: the next control word's group is skipped

    int m_docCodePage = 1252;
    int m_tableFont = -1; // the font-table entry being read; -1: none
    RtfFont m_tableEntry;
    QByteArray m_tableName;
    int m_red = -1, m_green = -1, m_blue = -1;

    QByteArray m_bytes; // code-page bytes not yet decoded
    int m_bytesCodePage = 1252;
};
