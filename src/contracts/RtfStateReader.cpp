#include "contracts/RtfStateReader.h"

#include <QColor>
#include <QTextDocument>

#include <algorithm>

namespace {

int clampInt(long long v, int lo, int hi)
{
    return int(std::min<long long>(std::max<long long>(v, lo), hi));
}

bool on(const RtfWord& w)
{
    return !w.hasParam || w.param != 0;
}

} // namespace

RtfStateReader::RtfStateReader(const QByteArray& data, QTextDocument& doc, int maxDepth)
    : m_tokens(data), m_out(doc, m_tables), m_maxDepth(maxDepth)
{
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
    m_out.finish(m_cur.para, m_cur.ch);
}

// ---- groups ----

void RtfStateReader::openGroup()
{
    m_skipChars = 0;
    m_ignorableNext = false;
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
    if (m_cur.dest == Dest::FontTable)
        commitFont();
    if (m_stack.empty()) {
        m_open = false;
        return;
    }
    m_cur = m_stack.back();
    m_stack.pop_back();
    if (m_stack.empty())
        m_open = false; // the document's own group has ended
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
        if (!consumeSkip())
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
    if (m_ignorableNext) {
        m_ignorableNext = false;
        skipRestOfGroup();
        return;
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
        if (m_out.paragraphHasContent())
            endParagraph();
        m_out.breakPageBefore();
        return;
    case RtfAction::Unicode: unicode(w.param); return;
    case RtfAction::UnicodeSkip: m_cur.uc = clampInt(w.param, 0, 16); return;
    case RtfAction::Bold: ch.bold = on(w); return;
    case RtfAction::Italic: ch.italic = on(w); return;
    case RtfAction::Strike: ch.strike = on(w); return;
    case RtfAction::Underline: ch.underline = on(w); return;
    case RtfAction::NoUnderline: ch.underline = false; return;
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
    case RtfAction::DocumentCodePage: m_docCodePage = cw.value ? cw.value : clampInt(w.param, 0, 65535); return;
    case RtfAction::DefaultFont: m_tables.defaultFont = clampInt(w.param, 0, 1 << 20); return;
    default: paragraphWord(cw, w.param); return;
    }
}

void RtfStateReader::paragraphWord(const RtfControlWord& cw, long long param)
{
    RtfParaState& para = m_cur.para;
    const int twips = clampInt(param, -31680, 31680);
    switch (cw.action) {
    case RtfAction::TabStop:
        if (para.tabs.size() < 64)
            para.tabs.push_back(clampInt(param, 0, 31680));
        return;
    case RtfAction::PlainParagraph: para = RtfParaState(); return;
    case RtfAction::Align: para.align = Qt::Alignment::fromInt(cw.value); return;
    case RtfAction::LeftIndent: para.leftIndent = twips; return;
    case RtfAction::RightIndent: para.rightIndent = twips; return;
    case RtfAction::FirstIndent: para.firstIndent = twips; return;
    case RtfAction::SpaceBefore: para.spaceBefore = twips; return;
    case RtfAction::SpaceAfter: para.spaceAfter = twips; return;
    default: return; // every other word changes nothing this reader keeps
    }
}

void RtfStateReader::unicode(long long param)
{
    if (param < 0)
        param += 65536;
    if (param > 0 && param <= 0xFFFF)
        textChar(QChar(char16_t(param)));
    m_skipChars = m_cur.uc;
}

void RtfStateReader::fontTableWord(const RtfControlWord& cw, const RtfWord& w)
{
    switch (cw.action) {
    case RtfAction::Font:
        commitFont();
        m_tableFont = clampInt(w.param, 0, 1 << 20);
        m_tableEntry = RtfFont();
        m_tableName.clear();
        return;
    case RtfAction::FontCharset: {
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
    if (m_tables.fonts.size() < 10000 || m_tables.fonts.count(m_tableFont))
        m_tables.fonts[m_tableFont] = m_tableEntry;
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
        else if (m_tableFont >= 0)
            m_tableName += char(b);
        return;
    case Dest::ColorTable:
        if (b == ';') {
            m_tables.colors.push_back(m_red < 0 && m_green < 0 && m_blue < 0
                                          ? QColor()
                                          : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
            m_red = m_green = m_blue = -1;
        }
        return;
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
        if (m_tableFont >= 0)
            m_tableName += char(b);
        return;
    }
    if (m_cur.dest != Dest::Text)
        return;
    if (consumeSkip())
        return;
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
    m_out.addText(s, m_cur.ch);
}

void RtfStateReader::textChar(QChar c)
{
    if (m_cur.dest != Dest::Text || consumeSkip())
        return;
    m_out.addText(QStringView(&c, 1), m_cur.ch);
}

void RtfStateReader::endParagraph()
{
    flushBytes();
    m_out.endParagraph(m_cur.para, m_cur.ch);
}

int RtfStateReader::codePageOf(int font) const
{
    const RtfFont* f = m_tables.font(font);
    return f && f->codePage ? f->codePage : m_docCodePage;
}
