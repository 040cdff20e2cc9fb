#pragma once

#include <QColor>
#include <QString>
#include <QStringView>
#include <QTextCursor>

#include <unordered_map>
#include <vector>

class QTextBlockFormat;
class QTextCharFormat;
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

    bool operator==(const RtfCharState& o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               halfPoints == o.halfPoints && font == o.font && color == o.color;
    }
    bool operator!=(const RtfCharState& o) const { return !(*this == o); }
};

// The paragraph formatting in force; lengths in twips.
struct RtfParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<int> tabs; // tab stops, from the left indent
};

struct RtfFont {
    QString name;
    int codePage = 0; // 0: the document's own
};

// The fonts and colours a document defines, by their numbers.
struct RtfTables {
    std::unordered_map<int, RtfFont> fonts;
    std::vector<QColor> colors;
    int defaultFont = 0;

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

    void addText(QStringView text, const RtfCharState& ch);
    bool paragraphHasContent() const { return m_paraHasContent; }
    // The next paragraph to end starts on a new page.
    void breakPageBefore() { m_pageBreakBefore = true; }
    // Ends the paragraph with these formats and starts a new one.
    void endParagraph(const RtfParaState& para, const RtfCharState& ch);
    // Ends the last paragraph; nothing follows it.
    void finish(const RtfParaState& para, const RtfCharState& ch);

private:
    void flushRun();
    void closeBlock(const RtfParaState& para, const RtfCharState& ch);
    QTextCharFormat charFormat(const RtfCharState& s) const;
    static QTextBlockFormat blockFormat(const RtfParaState& p);

    QTextCursor m_cursor;
    const RtfTables& m_tables;
    QString m_run;
    RtfCharState m_runState;
    bool m_paraHasContent = false;
    bool m_pageBreakBefore = false;
};
