#pragma once

#include "contracts/RtfCodePage.h"
#include "contracts/RtfControlWords.h"
#include "contracts/RtfFlow.h"
#include "contracts/RtfLists.h"
#include "contracts/RtfTokenizer.h"

#include <QByteArray>
#include <QTextDocument>

#include <memory>
#include <vector>

// Reads RTF tokens into the state of the open groups, the font, colour and
// list tables, and the text with its formats. The text goes to one of the
// document's stories: the body, the notes (gathered at the end of the body
// under a rule), and the running header and footer (kept beside the
// document for printing).
class RtfStateReader {
public:
    // `data` opens with "{\rtf"; groups deeper than `maxDepth` are skipped whole.
    RtfStateReader(const QByteArray& data, QTextDocument& doc, int maxDepth);
    ~RtfStateReader();

    void run();

private:
    enum class Dest { Text, FontTable, ColorTable, ListTable, ListOverrideTable, LevelText, FieldInstruction };
    enum Story { Body, Notes, Header, Footer, FirstHeader, FirstFooter, StoryCount };

    struct Group {
        RtfCharState ch;
        RtfParaState para;
        Dest dest = Dest::Text;
        int uc = 1; // characters that stand in for a \u character
        signed char story = Body;
        signed char level = -1; // table level of the text, when fixed by a list number's group
        signed char pageField = 0;
        bool nestProps = false; // inside the properties of a nested table's row
        bool dropped = false;   // a page field's old result: its text is not kept
    };

    struct StoryText {
        std::unique_ptr<QTextDocument> own; // null for the body: the caller's document
        std::unique_ptr<RtfFlow> flow;
        bool started = false;  // the current paragraph has begun
        bool listText = false; // the current paragraph brought its own list number
        bool finished = false; // a header or footer whose group has ended
    };

    void openGroup();
    void closeGroup();
    void skipRestOfGroup();
    void leaveStory(const Group& closing);

    void symbol(char c);
    void word(const RtfWord& w);
    void textWord(const RtfControlWord& cw, const RtfWord& w);
    void paragraphWord(const RtfControlWord& cw, long long param);
    bool tableWord(const RtfControlWord& cw, const RtfWord& w);
    bool storyWord(const RtfControlWord& cw, const RtfWord& w);
    void listTableWord(const RtfControlWord& cw, const RtfWord& w);
    void unicode(long long param);
    void fontTableWord(const RtfControlWord& cw, const RtfWord& w);
    void commitFont();
    void colorTableWord(const RtfControlWord& cw, const RtfWord& w);
    bool consumeSkip();

    void plainByte(uchar b);
    void escapedByte(uchar b);
    void flushBytes();
    void textChar(QChar c);
    void emitText(QStringView s);
    void startParagraph();
    void endParagraph();
    void settleNote(bool endnote);
    int codePageOf(int font) const;
    int symbolsOf(int font) const;
    int level() const;
    StoryText& story() { return m_stories[size_t(m_cur.story)]; }
    void resetStory(int which);

    RtfTokenizer m_tokens;
    RtfTables m_tables;
    RtfLists m_lists;
    QTextDocument& m_doc;
    StoryText m_stories[StoryCount];
    RtfCodePageDecoder m_decoder;
    int m_maxDepth;
    bool m_open = true;

    std::vector<Group> m_stack;
    Group m_cur;
    int m_skipChars = 0;          // fallback characters after \u still to drop
    bool m_ignorableNext = false; // after \*: the next control word's group is skipped

    int m_docCodePage = 1252;
    int m_tableFont = -1; // the font-table entry being read; -1: none
    int m_tableFontDepth = 0;
    int m_tableCharset = 1;
    RtfFont m_tableEntry;
    QByteArray m_tableName;
    int m_red = -1, m_green = -1, m_blue = -1;

    RtfRowDef m_rows[8]; // row definitions by table level, 1..8 (0 unused)
    bool m_mergeLeft = false, m_mergeUp = false;

    bool m_sectionPending = false; // a section ended; the next one may start a page
    bool m_sectionPage = true;

    int m_noteStyle[2] = {0, 2}; // numbering of footnotes and endnotes
    int m_noteCount[2] = {0, 0};
    int m_noteDepth = 0;
    bool m_awaitNote = false; // a note began; whether it is an endnote is not known yet
    bool m_markPending = false;
    RtfCharState m_markState;
    int m_markLevel = 0;
    QString m_noteNumber;
    int m_headerPriority[4] = {0, 0, 0, 0}; // by story, from Header on
    bool m_titlePage = false;               // the first page has its own header and footer
    int m_decorationTwips[2] = {720, 720};

    QByteArray m_fieldText;
    int m_fieldDepth = -1;

    QByteArray m_bytes; // code-page bytes not yet decoded
    int m_bytesCodePage = 1252;
};
