#include "contracts/RtfStateReader.h"

#include "controls/PageDecoration.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

constexpr int kMaxTableLevel = 8;

int clampInt(long long v, int lo, int hi)
{
    return int(std::min<long long>(std::max<long long>(v, lo), hi));
}

bool on(const RtfWord& w)
{
    return !w.hasParam || w.param != 0;
}

// Groups whose text is read although they are marked ignorable (\*): the
// destinations this reader knows.
bool readWhenIgnorable(RtfAction a)
{
    switch (a) {
    case RtfAction::ReadGroup:
    case RtfAction::Footnote:
    case RtfAction::FieldInstruction:
    case RtfAction::NestTableProps:
    case RtfAction::ListTable:
    case RtfAction::ListOverrideTable: return true;
    default: return false;
    }
}

// The page field a field instruction asks for; 0 for any other field.
int pageFieldOf(const QByteArray& instruction)
{
    const QByteArray name = instruction.trimmed().split(' ').value(0).toUpper();
    if (name == "PAGE")
        return PageDecoration::PageNumber;
    if (name == "NUMPAGES" || name == "SECTIONPAGES")
        return PageDecoration::PageCount;
    return 0;
}

} // namespace

RtfStateReader::RtfStateReader(const QByteArray& data, QTextDocument& doc, int maxDepth)
    : m_tokens(data), m_doc(doc), m_maxDepth(maxDepth)
{
    m_stories[Body].flow = std::make_unique<RtfFlow>(doc, m_tables);
    for (int s = Notes; s < StoryCount; ++s)
        resetStory(s);
}

RtfStateReader::~RtfStateReader() = default;

void RtfStateReader::resetStory(int which)
{
    StoryText& s = m_stories[which];
    s.flow.reset();
    s.own = std::make_unique<QTextDocument>();
    s.own->setUndoRedoEnabled(false);
    s.flow = std::make_unique<RtfFlow>(*s.own, m_tables);
    s.started = s.listText = s.finished = false;
}

void RtfStateReader::run()
{
    using Kind = RtfToken::Kind;
    while (m_open) {
        const RtfToken& t = m_tokens.next();
        switch (t.kind) {
        case Kind::End: m_open = false; break;
        case Kind::GroupStart:
            flushBytes();
            openGroup();
            break;
        case Kind::GroupEnd:
            flushBytes();
            closeGroup();
            break;
        case Kind::Word: word(t.word); break;
        case Kind::Symbol: symbol(t.symbol); break;
        case Kind::HexByte:
            m_ignorableNext = false;
            escapedByte(t.byte);
            break;
        case Kind::Byte:
            m_ignorableNext = false;
            plainByte(t.byte);
            break;
        }
    }
    flushBytes();
    while (!m_stack.empty() && m_cur.story != Body)
        closeGroup(); // a note or header cut short ends where the file does

    RtfFlow& body = *m_stories[Body].flow;
    RtfFlow& notes = *m_stories[Notes].flow;
    if (notes.isEmpty()) {
        body.finish(m_cur.para, m_cur.ch);
    } else {
        // The notes follow the text under a short rule, numbered as in the text.
        QTextCursor& c = body.endCursor(m_cur.para, m_cur.ch);
        notes.finish(RtfParaState(), RtfCharState());
        QTextBlockFormat rule;
        rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                         QTextLength(QTextLength::PercentageLength, 30));
        rule.setTopMargin(12);
        c.setBlockFormat(rule);
        c.insertBlock(m_stories[Notes].own->begin().blockFormat());
        c.insertFragment(QTextDocumentFragment(m_stories[Notes].own.get()));
    }
    m_stories[Body].flow.reset(); // its edit block ends, and with it the change signals
    bool any = false;
    for (int s = Header; s < StoryCount; ++s) {
        any = any || !m_stories[s].flow->isEmpty();
        m_stories[s].flow.reset(); // ends the edit blocks before the copies are made
    }
    if (any) {
        PageDecoration* d = PageDecoration::attach(m_doc, m_stories[Header].own.get(), m_stories[Footer].own.get());
        if (m_titlePage)
            d->setFirstPage(m_stories[FirstHeader].own.get(), m_stories[FirstFooter].own.get());
        d->headerFromTop = m_decorationTwips[0];
        d->footerFromBottom = m_decorationTwips[1];
    }
}

// ---- groups ----

void RtfStateReader::openGroup()
{
    m_skipChars = 0;
    m_ignorableNext = false;
    if (m_awaitNote)
        settleNote(false);
    if (int(m_stack.size()) >= m_maxDepth) {
        m_tokens.skipGroups(1);
        return;
    }
    m_stack.push_back(m_cur);
}

void RtfStateReader::closeGroup()
{
    m_skipChars = 0;
    m_ignorableNext = false;
    if (m_awaitNote)
        settleNote(false);
    // A group inside a font's entry (its panose number, another name) does
    // not end the entry.
    if (m_cur.dest == Dest::FontTable && int(m_stack.size()) <= m_tableFontDepth)
        commitFont();
    if (m_stack.empty()) {
        m_open = false;
        return;
    }
    int field = 0;
    if (m_cur.dest == Dest::FieldInstruction && int(m_stack.size()) == m_fieldDepth) {
        field = pageFieldOf(m_fieldText);
        m_fieldDepth = -1;
    }
    const bool leaving = m_cur.story != m_stack.back().story;
    if (leaving) {
        const Group closing = m_cur;
        m_cur = m_stack.back();
        leaveStory(closing);
    } else {
        m_cur = m_stack.back();
    }
    m_stack.pop_back();
    if (field)
        m_cur.pageField = char(field);
    if (m_stack.empty())
        m_open = false; // the document's own group has ended
}

// A note, header or footer ends with its group.
void RtfStateReader::leaveStory(const Group& closing)
{
    StoryText& s = m_stories[size_t(closing.story)];
    if (closing.story == Notes) {
        if (s.flow->paragraphHasContent(0))
            s.flow->endParagraph(closing.para, closing.ch, 0);
    } else if (!s.finished) {
        s.flow->finish(closing.para, closing.ch);
        s.finished = true;
    }
    s.started = s.listText = false;
}

// The rest of the current group is not text: skip it and leave the group.
void RtfStateReader::skipRestOfGroup()
{
    flushBytes();
    m_tokens.skipGroups(1);
    closeGroup();
}

// ---- control symbols and words ----

void RtfStateReader::symbol(char c)
{
    flushBytes();
    if (c == '*') {
        m_ignorableNext = true;
        return;
    }
    m_ignorableNext = false;
    switch (c) {
    case '\\':
    case '{':
    case '}': textChar(QChar::fromLatin1(c)); break;
    case '~': textChar(QChar(0x00A0)); break;
    case '-': textChar(QChar(0x00AD)); break;
    case '_': textChar(QChar(0x2011)); break;
    case '\t': textChar(QLatin1Char('\t')); break;
    case '\r':
    case '\n':
        // An escaped line end is a paragraph end, but only in text.
        if (!consumeSkip() && m_cur.dest == Dest::Text)
            endParagraph();
        break;
    default: consumeSkip(); break; // \| \: and unknown symbols
    }
}

// After \u the next characters are the fallback for older readers.
bool RtfStateReader::consumeSkip()
{
    if (m_skipChars <= 0)
        return false;
    --m_skipChars;
    return true;
}

void RtfStateReader::word(const RtfWord& w)
{
    const RtfControlWord cw = rtfControlWord(w.name);
    flushBytes();
    if (cw.action == RtfAction::Binary) {
        if (w.param > 0)
            m_tokens.skipBinary(w.param);
        return;
    }
    if (m_awaitNote)
        settleNote(cw.action == RtfAction::EndnoteMark);
    if (m_ignorableNext) {
        m_ignorableNext = false;
        if (!readWhenIgnorable(cw.action)) {
            skipRestOfGroup();
            return;
        }
    }
    if (consumeSkip())
        return;
    if (cw.action == RtfAction::SkipDestination) {
        skipRestOfGroup();
        return;
    }
    switch (m_cur.dest) {
    case Dest::FontTable: fontTableWord(cw, w); return;
    case Dest::ColorTable: colorTableWord(cw, w); return;
    case Dest::ListTable:
    case Dest::ListOverrideTable: listTableWord(cw, w); return;
    case Dest::LevelText:
        if (cw.action == RtfAction::Unicode)
            unicode(w.param);
        else if (cw.action == RtfAction::UnicodeSkip)
            m_cur.uc = clampInt(w.param, 0, 16);
        return;
    case Dest::FieldInstruction: return;
    case Dest::Text: textWord(cw, w); return;
    }
}

void RtfStateReader::textWord(const RtfControlWord& cw, const RtfWord& w)
{
    RtfCharState& ch = m_cur.ch;
    switch (cw.action) {
    case RtfAction::EndParagraph: endParagraph(); return;
    case RtfAction::Character: textChar(QChar(char16_t(cw.value))); return;
    case RtfAction::PageBreak:
        if (story().flow->paragraphHasContent(level()))
            endParagraph();
        story().flow->breakPageBefore(level());
        return;
    case RtfAction::Unicode: unicode(w.param); return;
    case RtfAction::UnicodeSkip: m_cur.uc = clampInt(w.param, 0, 16); return;
    case RtfAction::Bold: ch.bold = on(w); return;
    case RtfAction::Italic: ch.italic = on(w); return;
    case RtfAction::Strike: ch.strike = on(w); return;
    case RtfAction::Underline: ch.underline = on(w); return;
    case RtfAction::NoUnderline: ch.underline = false; return;
    case RtfAction::Hidden: ch.hidden = on(w); return;
    case RtfAction::Raise: ch.raise = char(cw.value); return;
    case RtfAction::RaiseBy: ch.raise = char(!w.hasParam || w.param > 0 ? cw.value : 0); return;
    case RtfAction::Caps: ch.caps = char(on(w) ? cw.value : 0); return;
    case RtfAction::Highlight: ch.highlight = clampInt(w.param, 0, 1 << 20); return;
    case RtfAction::FontSize:
        if (w.hasParam && w.param > 0)
            ch.halfPoints = clampInt(w.param, 2, 3276);
        return;
    case RtfAction::Font: ch.font = clampInt(w.param, 0, 1 << 20); return;
    case RtfAction::Color: ch.color = clampInt(w.param, 0, 1 << 20); return;
    case RtfAction::PlainCharacters: ch = RtfCharState(); return;
    case RtfAction::FontTable:
        m_cur.dest = Dest::FontTable;
        m_tableFont = -1;
        m_tableName.clear();
        return;
    case RtfAction::ColorTable:
        m_cur.dest = Dest::ColorTable;
        m_red = m_green = m_blue = -1;
        return;
    case RtfAction::ListTable: m_cur.dest = Dest::ListTable; return;
    case RtfAction::ListOverrideTable: m_cur.dest = Dest::ListOverrideTable; return;
    case RtfAction::DocumentCodePage: m_docCodePage = cw.value ? cw.value : clampInt(w.param, 0, 65535); return;
    case RtfAction::DefaultFont:
        m_tables.defaultFont = clampInt(w.param, 0, 1 << 20);
        ++m_tables.version;
        return;
    default: break;
    }
    if (!tableWord(cw, w) && !storyWord(cw, w))
        paragraphWord(cw, w.param);
}

bool RtfStateReader::tableWord(const RtfControlWord& cw, const RtfWord& w)
{
    RtfParaState& para = m_cur.para;
    const int rowLevel = m_cur.nestProps ? std::max(2, para.tableLevel) : 1;
    RtfRowDef& row = m_rows[std::min(rowLevel, kMaxTableLevel - 1)];
    switch (cw.action) {
    case RtfAction::InTable: para.tableLevel = std::max(para.tableLevel, 1); return true;
    case RtfAction::TableLevel: para.tableLevel = clampInt(w.param, 0, kMaxTableLevel - 1); return true;
    case RtfAction::NestTableProps: m_cur.nestProps = true; return true;
    case RtfAction::RowDefaults:
        row = RtfRowDef();
        m_mergeLeft = m_mergeUp = false;
        return true;
    case RtfAction::RowLeft: row.left = clampInt(w.param, -31680, 31680); return true;
    case RtfAction::CellMerge: (cw.value == 1 ? m_mergeLeft : m_mergeUp) = true; return true;
    case RtfAction::CellRight:
        if (row.cells.size() < 64)
            row.cells.push_back({clampInt(w.param, -31680, 31680), m_mergeLeft, m_mergeUp});
        m_mergeLeft = m_mergeUp = false;
        return true;
    case RtfAction::EndCell: {
        if (level() == 0) {
            textChar(QLatin1Char('\t')); // a table where none can be built: its cells side by side
            return true;
        }
        flushBytes();
        const int at = cw.value ? std::max(2, level()) : 1;
        startParagraph();
        story().flow->endCell(para, m_cur.ch, at);
        story().started = story().listText = false;
        return true;
    }
    case RtfAction::EndRow: {
        const int at = cw.value ? std::max(2, para.tableLevel) : 1;
        if (level() == 0 && story().flow->paragraphHasContent(0)) {
            endParagraph(); // cells never declared part of a table: a line of them
            return true;
        }
        story().flow->endRow(m_rows[std::min(at, kMaxTableLevel - 1)], at);
        return true;
    }
    default: return false;
    }
}

bool RtfStateReader::storyWord(const RtfControlWord& cw, const RtfWord& w)
{
    switch (cw.action) {
    case RtfAction::Section:
        if (m_cur.story != Body)
            return true;
        if (story().flow->paragraphHasContent(level()))
            endParagraph();
        m_sectionPending = true;
        m_sectionPage = true;
        return true;
    case RtfAction::SectionDefaults: m_sectionPage = true; return true;
    case RtfAction::SectionBreak: m_sectionPage = cw.value != 0; return true;
    case RtfAction::Footnote:
        if (m_cur.story != Body)
            return true; // a note inside a note or header: its text stays where it is
        m_cur.story = Notes;
        m_cur.para = RtfParaState();
        m_cur.level = -1;
        m_awaitNote = true;
        return true;
    case RtfAction::NoteNumber:
        if (m_cur.story == Body) {
            m_markPending = true;
            m_markState = m_cur.ch;
            m_markLevel = level();
        } else if (m_cur.story == Notes) {
            emitText(m_noteNumber);
        }
        return true;
    case RtfAction::NoteStyle: m_noteStyle[cw.value / 10] = cw.value % 10; return true;
    case RtfAction::HeaderFooter: {
        // The first page's own go apart; of the others, the right pages'
        // (or every page's) win over the left pages'.
        const int priority = cw.value % 10;
        const int story = (cw.value / 10 ? Footer : Header) + (priority == 1 ? 2 : 0);
        if (m_cur.story != Body || priority <= m_headerPriority[story - Header]) {
            skipRestOfGroup();
            return true;
        }
        m_headerPriority[story - Header] = priority;
        resetStory(story);
        m_cur.story = char(story);
        m_cur.para = RtfParaState();
        m_cur.level = -1;
        return true;
    }
    case RtfAction::TitlePage: m_titlePage = on(w); return true;
    case RtfAction::HeaderDistance: m_decorationTwips[cw.value] = clampInt(w.param, 0, 31680); return true;
    case RtfAction::FieldInstruction:
        m_cur.dest = Dest::FieldInstruction;
        m_fieldText.clear();
        m_fieldDepth = int(m_stack.size());
        return true;
    case RtfAction::FieldResult:
        if (m_cur.pageField && m_cur.story >= Header) {
            // The number the word processor saw last stands in for the page's own.
            m_cur.ch.field = m_cur.pageField;
            emitText(u"#");
            m_cur.ch.field = 0;
            m_cur.dropped = true;
        }
        return true;
    case RtfAction::PageNumber:
        m_cur.ch.field = PageDecoration::PageNumber;
        emitText(u"#");
        m_cur.ch.field = 0;
        return true;
    case RtfAction::ListText:
        // The number as the word processor wrote it: it stands in for ours.
        m_cur.level = char(level());
        story().listText = true;
        startParagraph();
        return true;
    default: return false;
    }
}

void RtfStateReader::paragraphWord(const RtfControlWord& cw, long long param)
{
    RtfParaState& para = m_cur.para;
    const int twips = clampInt(param, -31680, 31680);
    switch (cw.action) {
    case RtfAction::TabKind: para.nextTab.kind = char(cw.value); return;
    case RtfAction::TabLeader: para.nextTab.leader = char(cw.value); return;
    case RtfAction::TabStop:
        if (para.tabs.size() < 64) {
            para.nextTab.position = clampInt(param, 0, 31680);
            para.tabs.push_back(para.nextTab);
        }
        para.nextTab = RtfTab();
        return;
    case RtfAction::PlainParagraph: para = RtfParaState(); return;
    case RtfAction::Align: para.align = Qt::Alignment::fromInt(cw.value); return;
    case RtfAction::LeftIndent: para.leftIndent = twips; return;
    case RtfAction::RightIndent: para.rightIndent = twips; return;
    case RtfAction::FirstIndent: para.firstIndent = twips; return;
    case RtfAction::SpaceBefore: para.spaceBefore = twips; return;
    case RtfAction::SpaceAfter: para.spaceAfter = twips; return;
    case RtfAction::LineSpacing: para.lineSpacing = std::abs(twips) >= 1000 * 20 ? 0 : twips; return;
    case RtfAction::LineMultiple: para.lineMultiple = param != 0; return;
    case RtfAction::PageBreakBefore: para.pageBreakBefore = true; return;
    case RtfAction::ListNumber: para.list = clampInt(param, 0, 1 << 20); return;
    case RtfAction::ListLevelNumber: para.listLevel = clampInt(param, 0, 8); return;
    default: return; // every other word changes nothing this reader keeps
    }
}

void RtfStateReader::listTableWord(const RtfControlWord& cw, const RtfWord& w)
{
    const int v = clampInt(w.param, 0, 1 << 30);
    RtfLists::Level* lv = m_lists.level();
    switch (cw.action) {
    case RtfAction::ListDef: m_lists.beginList(); return;
    case RtfAction::ListLevel: m_lists.beginLevel(); return;
    case RtfAction::ListOverride: m_lists.beginOverride(); return;
    case RtfAction::ListId:
        if (m_cur.dest == Dest::ListTable)
            m_lists.setListId(v);
        else
            m_lists.setOverrideList(v);
        return;
    case RtfAction::ListNumber: m_lists.setOverrideNumber(v); return;
    case RtfAction::LevelText:
        m_cur.dest = Dest::LevelText;
        if (lv)
            lv->text.clear();
        return;
    default: break;
    }
    if (!lv || m_cur.dest != Dest::ListTable)
        return;
    switch (cw.action) {
    case RtfAction::LevelStyle: lv->style = std::min(v, 255); return;
    case RtfAction::LevelStart: lv->start = std::min(v, 1 << 20); return;
    case RtfAction::LevelFollow: lv->follow = std::min(v, 2); return;
    case RtfAction::Font: lv->symbols = symbolsOf(v); return;
    default: return;
    }
}

void RtfStateReader::unicode(long long param)
{
    if (param < 0)
        param += 65536;
    if (param > 0 && param <= 0xFFFF) {
        if (m_cur.dest == Dest::LevelText) {
            if (RtfLists::Level* lv = m_lists.level(); lv && lv->text.size() < 64)
                lv->text.push_back(char16_t(param));
        } else {
            textChar(QChar(char16_t(param)));
        }
    }
    m_skipChars = m_cur.uc;
}

void RtfStateReader::fontTableWord(const RtfControlWord& cw, const RtfWord& w)
{
    switch (cw.action) {
    case RtfAction::Font:
        commitFont();
        m_tableFont = clampInt(w.param, 0, 1 << 20);
        m_tableFontDepth = int(m_stack.size());
        m_tableEntry = RtfFont();
        m_tableCharset = 1;
        m_tableName.clear();
        return;
    case RtfAction::FontCharset: {
        m_tableCharset = clampInt(w.param, 0, 255);
        const int cp = rtfCodePageOfCharset(int(w.param));
        if (cp && m_tableEntry.codePage == 0)
            m_tableEntry.codePage = cp;
        return;
    }
    case RtfAction::FontCodePage: m_tableEntry.codePage = clampInt(w.param, 0, 65535); return;
    default: return;
    }
}

void RtfStateReader::commitFont()
{
    if (m_tableFont < 0)
        return;
    m_tableEntry.name = m_decoder.decode(m_tableName, m_docCodePage).trimmed();
    m_tableEntry.symbols = rtfSymbolFontOf(m_tableEntry.name, m_tableCharset);
    if (m_tables.fonts.size() < 10000 || m_tables.fonts.count(m_tableFont))
        m_tables.fonts[m_tableFont] = m_tableEntry;
    ++m_tables.version;
    m_tableFont = -1;
    m_tableName.clear();
}

void RtfStateReader::colorTableWord(const RtfControlWord& cw, const RtfWord& w)
{
    if (cw.action != RtfAction::ColorPart)
        return;
    const int v = clampInt(w.param, 0, 255);
    int* const parts[] = {&m_red, &m_green, &m_blue};
    *parts[cw.value] = v;
}

// ---- text ----

void RtfStateReader::plainByte(uchar b)
{
    switch (m_cur.dest) {
    case Dest::FontTable:
        if (b == ';')
            commitFont();
        else if (m_tableFont >= 0 && m_tableName.size() < 256)
            m_tableName += char(b);
        return;
    case Dest::ColorTable:
        if (b == ';' && m_tables.colors.size() < 100000) {
            m_tables.colors.push_back(m_red < 0 && m_green < 0 && m_blue < 0
                                          ? QColor()
                                          : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
            m_red = m_green = m_blue = -1;
            ++m_tables.version;
        }
        return;
    case Dest::FieldInstruction:
        if (m_fieldText.size() < 256)
            m_fieldText += char(b);
        return;
    case Dest::LevelText:
    case Dest::ListTable:
    case Dest::ListOverrideTable: escapedByte(b); return;
    case Dest::Text: break;
    }
    if (b >= 0x80) {
        escapedByte(b);
        return;
    }
    flushBytes();
    if (b == '\t')
        textChar(QLatin1Char('\t'));
    else if (b >= 0x20)
        textChar(QChar::fromLatin1(char(b)));
}

void RtfStateReader::escapedByte(uchar b)
{
    if (m_cur.dest == Dest::FontTable) {
        if (m_tableFont >= 0 && m_tableName.size() < 256)
            m_tableName += char(b);
        return;
    }
    if (m_cur.dest == Dest::LevelText) {
        if (consumeSkip())
            return;
        RtfLists::Level* lv = m_lists.level();
        if (!lv || lv->text.size() >= 64)
            return;
        // The first byte is a length and bytes below 9 stand for numbers.
        if (lv->text.empty() || b < 0x20 || lv->symbols)
            lv->text.push_back(b);
        else {
            const QString c = m_decoder.decode(QByteArray(1, char(b)), m_docCodePage);
            if (!c.isEmpty())
                lv->text.push_back(c.at(0).unicode());
        }
        return;
    }
    if (m_cur.dest != Dest::Text)
        return;
    if (consumeSkip())
        return;
    if (symbolsOf(m_cur.ch.font)) {
        textChar(QChar(char16_t(b))); // a picture font: the byte names the picture
        return;
    }
    const int cp = codePageOf(m_cur.ch.font);
    if (!m_bytes.isEmpty() && cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes += char(b);
}

void RtfStateReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString s = m_decoder.decode(m_bytes, m_bytesCodePage);
    m_bytes.clear();
    emitText(s);
}

void RtfStateReader::textChar(QChar c)
{
    if (m_cur.dest != Dest::Text || consumeSkip())
        return;
    const char16_t u = rtfSymbolToUnicode(symbolsOf(m_cur.ch.font), c.unicode());
    emitText(QStringView(&u, 1));
}

void RtfStateReader::emitText(QStringView s)
{
    if (s.isEmpty() || m_cur.dest != Dest::Text || m_cur.dropped)
        return;
    if (m_awaitNote)
        settleNote(false);
    if (!story().started && !m_cur.ch.hidden)
        startParagraph();
    story().flow->addText(s, m_cur.ch, level());
}

// The first text of a paragraph: a page break left by a section end, and the
// list number unless the paragraph brings its own.
void RtfStateReader::startParagraph()
{
    StoryText& s = story();
    if (s.started)
        return;
    s.started = true;
    if (m_cur.story == Body && m_sectionPending) {
        m_sectionPending = false;
        if (m_sectionPage)
            s.flow->breakPageBefore(level());
    }
    const RtfParaState& para = m_cur.para;
    if (para.list <= 0)
        return;
    const QString number = m_lists.next(para.list, para.listLevel);
    if (!s.listText && !number.isEmpty()) {
        RtfCharState ch = m_cur.ch;
        ch.hidden = false;
        ch.field = 0;
        s.flow->addText(number, ch, level());
    }
}

void RtfStateReader::endParagraph()
{
    flushBytes();
    if (m_cur.dest != Dest::Text)
        return;
    // A deleted or hidden paragraph mark joins the paragraph to the next one.
    if (m_cur.ch.hidden)
        return;
    startParagraph();
    story().flow->endParagraph(m_cur.para, m_cur.ch, level());
    story().started = story().listText = false;
}

// A note's number is known once it is known whether it is a footnote or an
// endnote; the mark in the text waits for it.
void RtfStateReader::settleNote(bool endnote)
{
    m_awaitNote = false;
    const int kind = endnote ? 1 : 0;
    m_noteNumber = rtfNumberText(++m_noteCount[kind], m_noteStyle[kind]);
    if (m_markPending) {
        m_markPending = false;
        m_stories[Body].flow->addText(m_noteNumber, m_markState, m_markLevel);
    }
}

int RtfStateReader::codePageOf(int font) const
{
    const RtfFont* f = m_tables.font(font);
    return f && f->codePage ? f->codePage : m_docCodePage;
}

int RtfStateReader::symbolsOf(int font) const
{
    const RtfFont* f = m_tables.font(font);
    return f ? f->symbols : 0;
}

int RtfStateReader::level() const
{
    if (m_cur.level >= 0)
        return m_cur.level;
    return std::clamp(m_cur.para.tableLevel, 0, kMaxTableLevel - 1);
}
