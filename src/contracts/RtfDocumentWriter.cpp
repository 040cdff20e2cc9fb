#include "contracts/RtfDocumentWriter.h"

#include "controls/PageDecoration.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>

#include <algorithm>

const RtfFont* RtfTables::font(int number) const
{
    const auto f = fonts.find(number < 0 ? defaultFont : number);
    return f == fonts.end() ? nullptr : &f->second;
}

// One edit block for the whole text: the cursor then never lays out the
// paragraph it writes into, so a paragraph of many runs costs linear time.
RtfDocumentWriter::RtfDocumentWriter(QTextDocument& doc, const RtfTables& tables) : m_cursor(&doc), m_tables(tables)
{
    m_cursor.beginEditBlock();
}

RtfDocumentWriter::RtfDocumentWriter(const QTextCursor& at, const RtfTables& tables) : m_cursor(at), m_tables(tables)
{
    m_cursor.beginEditBlock();
}

RtfDocumentWriter::~RtfDocumentWriter()
{
    m_cursor.endEditBlock();
}

void RtfDocumentWriter::addText(QStringView text, const RtfCharState& ch)
{
    if (text.isEmpty() || ch.hidden)
        return;
    if (ch.caps == 2) {
        // Small capitals are drawn as capitals of a smaller size: the small
        // capitals of the layout come out far too small on a printer. The
        // text itself keeps its letters as written.
        RtfCharState capitals = ch, small = ch;
        capitals.caps = 0;
        small.caps = 3;
        // Spaces and signs go with the letters before them.
        auto isSmall = [](QChar c, bool before) { return c.isLower() || (before && !c.isUpper() && !c.isDigit()); };
        qsizetype from = 0;
        bool smallRun = isSmall(text[0], true);
        for (qsizetype i = 1; i <= text.size(); ++i) {
            if (i == text.size() || isSmall(text[i], smallRun) != smallRun) {
                addRun(text.mid(from, i - from), smallRun ? small : capitals);
                from = i;
                if (i < text.size())
                    smallRun = !smallRun;
            }
        }
        return;
    }
    addRun(text, ch);
}

void RtfDocumentWriter::addRun(QStringView text, const RtfCharState& ch)
{
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

bool RtfDocumentWriter::isEmpty() const
{
    return m_run.isEmpty() && m_cursor.document()->characterCount() <= 1 &&
           m_cursor.document()->rootFrame()->childFrames().isEmpty();
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
    // Merged, not set: in a table cell's first paragraph this format also
    // carries the cell's spans.
    m_cursor.mergeBlockCharFormat(charFormat(ch));
    m_paraHasContent = false;
}

QTextCharFormat RtfDocumentWriter::charFormat(const RtfCharState& s) const
{
    if (m_formatsVersion != m_tables.version) {
        m_formats.clear();
        m_formatsVersion = m_tables.version;
    }
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it)
        if (it->first == s)
            return it->second;
    if (m_formats.size() >= 16)
        m_formats.erase(m_formats.begin());
    m_formats.emplace_back(s, makeCharFormat(s));
    return m_formats.back().second;
}

QTextCharFormat RtfDocumentWriter::makeCharFormat(const RtfCharState& s) const
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
    if (s.highlight > 0 && s.highlight < int(colors.size()) && colors[size_t(s.highlight)].isValid())
        f.setBackground(colors[size_t(s.highlight)]);
    if (s.raise)
        f.setVerticalAlignment(s.raise > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    if (s.caps) {
        f.setFontCapitalization(QFont::AllUppercase);
        if (s.caps == 3) {
            f.setFontPointSize(s.halfPoints / 2.0 * 0.8);
            f.setProperty(kSmallCapitals, true);
        }
    }
    if (s.field)
        f.setProperty(PageDecoration::kFieldProperty, s.field);
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
    if (p.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (p.lineSpacing != 0) {
        if (p.lineMultiple && p.lineSpacing > 0)
            f.setLineHeight(p.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else
            f.setLineHeight(std::abs(p.lineSpacing) / 15.0,
                            p.lineSpacing > 0 ? QTextBlockFormat::MinimumHeight : QTextBlockFormat::FixedHeight);
    }
    // The stops are measured from the margin; the layout measures them from
    // where the first line starts. A hanging indent is a stop of its own.
    const int lineStart = p.leftIndent + p.firstIndent;
    std::vector<RtfTab> stops = p.tabs;
    if (p.firstIndent < 0)
        stops.push_back(RtfTab{p.leftIndent, 0, 0});
    std::sort(stops.begin(), stops.end(), [](const RtfTab& a, const RtfTab& b) { return a.position < b.position; });
    QList<QTextOption::Tab> tabs;
    QList<QVariant> leaders;
    for (const RtfTab& t : stops) {
        if (t.position <= lineStart || (!tabs.isEmpty() && t.position * 1.0 / 15 <= tabs.last().position))
            continue;
        static const QTextOption::TabType kinds[] = {QTextOption::LeftTab, QTextOption::CenterTab,
                                                     QTextOption::RightTab, QTextOption::DelimiterTab};
        tabs << QTextOption::Tab((t.position - lineStart) / 15.0, kinds[t.kind & 3],
                                 t.kind == 3 ? QChar(u',') : QChar());
        leaders << int(t.leader);
    }
    if (!tabs.isEmpty()) {
        f.setTabPositions(tabs);
        f.setProperty(kTabLeaders, leaders);
    }
    return f;
}
