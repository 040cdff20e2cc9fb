#include "contracts/RtfDocumentWriter.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

const RtfFont* RtfTables::font(int number) const
{
    const auto f = fonts.find(number < 0 ? defaultFont : number);
    return f == fonts.end() ? nullptr : &f->second;
}

RtfDocumentWriter::RtfDocumentWriter(QTextDocument& doc, const RtfTables& tables) : m_cursor(&doc), m_tables(tables) {}

void RtfDocumentWriter::addText(QStringView text, const RtfCharState& ch)
{
    if (text.isEmpty())
        return;
    if (m_run.isEmpty() || m_runState != ch) {
        flushRun();
        m_runState = ch;
    }
    m_run += text;
    m_paraHasContent = true;
}

void RtfDocumentWriter::endParagraph(const RtfParaState& para, const RtfCharState& ch)
{
    closeBlock(para, ch);
    m_cursor.insertBlock();
}

void RtfDocumentWriter::finish(const RtfParaState& para, const RtfCharState& ch)
{
    closeBlock(para, ch);
}

void RtfDocumentWriter::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, charFormat(m_runState));
    m_run.clear();
}

void RtfDocumentWriter::closeBlock(const RtfParaState& para, const RtfCharState& ch)
{
    flushRun();
    QTextBlockFormat bf = blockFormat(para);
    if (m_pageBreakBefore)
        bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_pageBreakBefore = false;
    m_cursor.setBlockFormat(bf);
    m_cursor.setBlockCharFormat(charFormat(ch));
    m_paraHasContent = false;
}

QTextCharFormat RtfDocumentWriter::charFormat(const RtfCharState& s) const
{
    QTextCharFormat f;
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    f.setFontPointSize(s.halfPoints / 2.0);
    const RtfFont* font = m_tables.font(s.font);
    if (font && !font->name.isEmpty())
        f.setFontFamilies({font->name});
    const std::vector<QColor>& colors = m_tables.colors;
    if (s.color > 0 && s.color < int(colors.size()) && colors[size_t(s.color)].isValid())
        f.setForeground(colors[size_t(s.color)]);
    return f;
}

QTextBlockFormat RtfDocumentWriter::blockFormat(const RtfParaState& p)
{
    // Text-document lengths are pixels at 96 dots per inch: 15 twips each.
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.leftIndent / 15.0);
    f.setRightMargin(p.rightIndent / 15.0);
    f.setTextIndent(p.firstIndent / 15.0);
    f.setTopMargin(std::max(0, p.spaceBefore) / 15.0);
    f.setBottomMargin(std::max(0, p.spaceAfter) / 15.0);
    if (!p.tabs.empty()) {
        QList<QTextOption::Tab> tabs;
        for (const int t : p.tabs)
            tabs << QTextOption::Tab(t / 15.0, QTextOption::LeftTab);
        f.setTabPositions(tabs);
    }
    return f;
}
