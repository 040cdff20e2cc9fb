#pragma once

#include <QColor>
#include <QString>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFormat>

#include <unordered_map>
#include <vector>

class QTextBlockFormat;
class QTextDocument;

// The character formatting in force at a point of the text.
struct RtfCharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 24;
    int font = -1; // -1: the document's default font
    int color = 0;
    int highlight = 0;     // background colour from the table; 0: none
    bool hidden = false;   // hidden or deleted: never shown
    signed char raise = 0; // 1 superscript, -1 subscript
    signed char caps = 0;  // 1 all capitals, 2 small capitals (3: their small letters, written)
    int field = 0;         // a page field (PageDecoration::Field); 0: plain text

    bool operator==(const RtfCharState& o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               halfPoints == o.halfPoints && font == o.font && color == o.color && highlight == o.highlight &&
               hidden == o.hidden && raise == o.raise && caps == o.caps && field == o.field;
    }
    bool operator!=(const RtfCharState& o) const { return !(*this == o); }
};

// A tab stop: its place from the left margin in twips, its kind and leader.
struct RtfTab {
    int position = 0;
    signed char kind = 0;   // 0 left, 1 centre, 2 right, 3 decimal
    signed char leader = 0; // 0 none, else the leader character's code
};

// The paragraph formatting in force; lengths in twips.
struct RtfParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: 0 single, > 0 at least, < 0 exactly
    bool lineMultiple = false;
    bool pageBreakBefore = false;
    int tableLevel = 0; // 0: not in a table; 1 a table, 2 a table inside it, ...
    int list = 0;       // \ls: the list override; 0 none
    int listLevel = 0;
    RtfTab nextTab; // kind and leader for the next stop
    std::vector<RtfTab> tabs;
};

struct RtfFont {
    QString name;
    int codePage = 0; // 0: the document's own
    int symbols = 0;  // a symbol font (RtfSymbolFont) whose characters are mapped to Unicode
};

// The fonts and colours a document defines, by their numbers.
struct RtfTables {
    std::unordered_map<int, RtfFont> fonts;
    std::vector<QColor> colors;
    int defaultFont = 0;
    int version = 0; // changes whenever a font or colour is added

    // The font numbered `number` (-1: the default font), or null.
    const RtfFont* font(int number) const;
};

// Writes text runs and paragraphs into a document. Text with one character
// format is gathered into a run and inserted at once; a paragraph takes its
// block format when it ends. Formats are made from `tables` as they stand
// when a run or paragraph is written.
class RtfDocumentWriter {
public:
    RtfDocumentWriter(QTextDocument& doc, const RtfTables& tables);
    // Writes from `at` on, in an empty paragraph of its own (a table cell).
    RtfDocumentWriter(const QTextCursor& at, const RtfTables& tables);
    ~RtfDocumentWriter();
    RtfDocumentWriter(const RtfDocumentWriter&) = delete;
    RtfDocumentWriter& operator=(const RtfDocumentWriter&) = delete;

    void addText(QStringView text, const RtfCharState& ch);
    bool paragraphHasContent() const { return m_paraHasContent || !m_run.isEmpty(); }
    // Whether anything has been written at all.
    bool isEmpty() const;
    QTextCursor& cursor() { return m_cursor; }
    // Writes what is gathered, so the cursor stands at the end of the text.
    void flush() { flushRun(); }
    // The next paragraph to end starts on a new page.
    void breakPageBefore() { m_pageBreakBefore = true; }
    // Ends the paragraph with these formats and starts a new one.
    void endParagraph(const RtfParaState& para, const RtfCharState& ch);
    // Ends the last paragraph; nothing follows it.
    void finish(const RtfParaState& para, const RtfCharState& ch);

private:
    void addRun(QStringView text, const RtfCharState& ch);
    void flushRun();
    void closeBlock(const RtfParaState& para, const RtfCharState& ch);
    QTextCharFormat charFormat(const RtfCharState& s) const;
    QTextCharFormat makeCharFormat(const RtfCharState& s) const;

public:
    static QTextBlockFormat blockFormat(const RtfParaState& p);
    // A block property: the leader character of each tab stop, 0 for none.
    static constexpr int kTabLeaders = QTextFormat::UserProperty + 0x2108;
    // A character property: small letters of small capitals.
    static constexpr int kSmallCapitals = QTextFormat::UserProperty + 0x2109;

private:
    QTextCursor m_cursor;
    const RtfTables& m_tables;
    // The formats made last: a paragraph of many changes mostly goes back
    // and forth between a few.
    mutable std::vector<std::pair<RtfCharState, QTextCharFormat>> m_formats;
    mutable int m_formatsVersion = -1;
    QString m_run;
    RtfCharState m_runState;
    bool m_paraHasContent = false;
    bool m_pageBreakBefore = false;
};
