#include "contracts/RtfReader.h"

#include <QColor>
#include <QFile>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// 0x80..0x9F of code page 1252; the rest of its upper half is Latin-1.
// Zero marks a byte the code page leaves undefined.
const char16_t kCp1252C1[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// 0x80..0xFF of code page 1250 (Central European, Romanian included).
const char16_t kCp1250High[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

char16_t fromCp1252(uchar b)
{
    if (b < 0x80 || b >= 0xA0)
        return b;
    return kCp1252C1[b - 0x80];
}

char16_t fromCp1250(uchar b)
{
    return b < 0x80 ? char16_t(b) : kCp1250High[b - 0x80];
}

QString decodeTable(const QByteArray& bytes, char16_t (*map)(uchar))
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const char16_t u = map(uchar(c));
        if (u)
            out += QChar(u);
    }
    return out;
}

std::unique_ptr<QStringDecoder> converterFor(int codePage)
{
    const QByteArray n = QByteArray::number(codePage);
    for (const QByteArray& name : {QByteArray("windows-" + n), QByteArray("cp" + n), QByteArray("ibm-" + n)}) {
        auto d = std::make_unique<QStringDecoder>(name.constData());
        if (d->isValid())
            return d;
    }
    return nullptr;
}

// The code page a font's character set stands for; 0 when it names none.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0; // 1 (default) and 2 (symbol): the document's own
    }
}

int clampInt(long long v, int lo, int hi)
{
    return int(std::min<long long>(std::max<long long>(v, lo), hi));
}

enum class Dest { Text, FontTable, ColorTable };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 24;
    int font = -1; // -1: the document's default font
    int color = 0;

    bool operator==(const CharState& o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               halfPoints == o.halfPoints && font == o.font && color == o.color;
    }
    bool operator!=(const CharState& o) const { return !(*this == o); }
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<int> tabs; // tab stops, twips from the left indent
};

struct Group {
    CharState ch;
    ParaState para;
    Dest dest = Dest::Text;
    int uc = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

// Destinations whose content is not part of the text.
bool isSkippedDestination(const char* w)
{
    static const char* const names[] = {"stylesheet",
                                        "info",
                                        "pict",
                                        "object",
                                        "objdata",
                                        "header",
                                        "headerl",
                                        "headerr",
                                        "headerf",
                                        "footer",
                                        "footerl",
                                        "footerr",
                                        "footerf",
                                        "footnote",
                                        "annotation",
                                        "atnid",
                                        "atnauthor",
                                        "atndate",
                                        "atnref",
                                        "fldinst",
                                        "xe",
                                        "tc",
                                        "txe",
                                        "bkmkstart",
                                        "bkmkend",
                                        "listtable",
                                        "listoverridetable",
                                        "revtbl",
                                        "rsidtbl",
                                        "filetbl",
                                        "pgdsctbl",
                                        "generator",
                                        "themedata",
                                        "colorschememapping",
                                        "latentstyles",
                                        "datastore",
                                        "xmlnstbl",
                                        "mmathPr",
                                        "pn",
                                        "pnseclvl",
                                        "nonshppict",
                                        "shp",
                                        "shpinst",
                                        "template",
                                        "userprops",
                                        "docvar",
                                        "private",
                                        "ftnsep",
                                        "ftnsepc",
                                        "ftncn",
                                        "aftnsep",
                                        "aftnsepc",
                                        "aftncn",
                                        "comment",
                                        "title",
                                        "subject",
                                        "author",
                                        "operator",
                                        "keywords",
                                        "doccomm",
                                        "company",
                                        "buptim",
                                        "creatim",
                                        "revtim",
                                        "printim",
                                        "falt",
                                        "panose",
                                        "fontemb",
                                        "fontfile",
                                        "listpicture",
                                        "wgrffmtfilter",
                                        "passwordhash",
                                        "oldcprops",
                                        "oldpprops",
                                        "oldsprops",
                                        "oldtprops",
                                        "background",
                                        "sp",
                                        "sn",
                                        "sv"};
    static const std::vector<const char*> sorted = [] {
        std::vector<const char*> v(std::begin(names), std::end(names));
        std::sort(v.begin(), v.end(), [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
        return v;
    }();
    return std::binary_search(sorted.begin(), sorted.end(), w,
                              [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

struct Word {
    char name[33] = {0};
    bool hasParam = false;
    long long param = 0;
};

class Parser {
public:
    Parser(const QByteArray& data, QTextDocument& doc, const RtfReader::Limits& limits)
        : m_p(data.constData()), m_end(data.constData() + data.size()), m_cursor(&doc), m_limits(limits)
    {
    }

    void run()
    {
        // The caller checked that the text opens with "{\rtf".
        while (m_p < m_end && m_open) {
            const char c = *m_p;
            if (c == '{') {
                flushBytes();
                ++m_p;
                openGroup();
            } else if (c == '}') {
                flushBytes();
                ++m_p;
                closeGroup();
            } else if (c == '\\') {
                control();
            } else if (c == '\r' || c == '\n') {
                ++m_p;
            } else {
                ++m_p;
                m_ignorableNext = false;
                plainByte(uchar(c));
            }
        }
        flushBytes();
        finishParagraph();
    }

private:
    // ---- groups ----

    void openGroup()
    {
        m_skipChars = 0;
        m_ignorableNext = false;
        if (int(m_stack.size()) >= m_limits.maxDepth) {
            skipToGroupEnd(1);
            return;
        }
        m_stack.push_back(m_cur);
    }

    void closeGroup()
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

    // Skips bytes up to the brace that closes `depth` open groups, minding
    // escaped braces and binary data.
    void skipToGroupEnd(int depth)
    {
        while (m_p < m_end && depth > 0) {
            const char c = *m_p++;
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                --depth;
            } else if (c == '\\' && m_p < m_end) {
                if (isLetter(*m_p)) {
                    const Word w = readWord();
                    if (std::strcmp(w.name, "bin") == 0 && w.param > 0)
                        skipBinary(w.param);
                } else {
                    ++m_p;
                }
            }
        }
    }

    // The rest of the current group is not text: skip it and leave the group.
    void skipRestOfGroup()
    {
        flushBytes();
        skipToGroupEnd(1);
        closeGroup();
    }

    void skipBinary(long long n) { m_p += std::min<long long>(n, m_end - m_p); }

    // ---- tokens ----

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    // Reads a control word after its backslash: letters, an optional signed
    // number and the one space that may end it.
    Word readWord()
    {
        Word w;
        int n = 0;
        while (m_p < m_end && isLetter(*m_p)) {
            if (n < 32)
                w.name[n++] = *m_p;
            ++m_p;
        }
        bool negative = false;
        if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && isDigit(m_p[1])) {
            negative = true;
            ++m_p;
        }
        int digits = 0;
        while (m_p < m_end && isDigit(*m_p)) {
            if (digits < 10)
                w.param = w.param * 10 + (*m_p - '0');
            ++digits;
            ++m_p;
        }
        if (digits > 0) {
            w.hasParam = true;
            if (negative)
                w.param = -w.param;
        }
        if (m_p < m_end && *m_p == ' ')
            ++m_p;
        return w;
    }

    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    void control()
    {
        ++m_p; // the backslash
        if (m_p >= m_end)
            return;
        const char c = *m_p;
        if (isLetter(c)) {
            const Word w = readWord();
            word(w);
            return;
        }
        ++m_p;
        if (c == '\'') {
            if (m_end - m_p >= 2 && hexValue(m_p[0]) >= 0 && hexValue(m_p[1]) >= 0) {
                const int b = hexValue(m_p[0]) * 16 + hexValue(m_p[1]);
                m_p += 2;
                m_ignorableNext = false;
                escapedByte(uchar(b));
            }
            return;
        }
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

    // After \uN the next characters are the fallback for older readers.
    bool consumeSkip()
    {
        if (m_skipChars <= 0)
            return false;
        --m_skipChars;
        return true;
    }

    void word(const Word& w)
    {
        const char* n = w.name;
        if (std::strcmp(n, "bin") == 0) {
            flushBytes();
            if (w.param > 0)
                skipBinary(w.param);
            return;
        }
        flushBytes();
        if (m_ignorableNext) {
            m_ignorableNext = false;
            skipRestOfGroup();
            return;
        }
        if (consumeSkip())
            return;
        if (isSkippedDestination(n)) {
            skipRestOfGroup();
            return;
        }
        switch (m_cur.dest) {
        case Dest::FontTable: fontTableWord(w); return;
        case Dest::ColorTable: colorTableWord(w); return;
        case Dest::Text: textWord(w); return;
        }
    }

    void fontTableWord(const Word& w)
    {
        if (std::strcmp(w.name, "f") == 0) {
            commitFont();
            m_tableFont = clampInt(w.param, 0, 1 << 20);
            m_tableEntry = FontEntry();
            m_tableName.clear();
        } else if (std::strcmp(w.name, "fcharset") == 0) {
            const int cp = codePageOfCharset(int(w.param));
            if (cp && m_tableEntry.codePage == 0)
                m_tableEntry.codePage = cp;
        } else if (std::strcmp(w.name, "cpg") == 0) {
            m_tableEntry.codePage = clampInt(w.param, 0, 65535);
        }
    }

    void commitFont()
    {
        if (m_tableFont < 0)
            return;
        m_tableEntry.name = decodeBytes(m_tableName, m_docCodePage).trimmed();
        if (m_fonts.size() < 10000 || m_fonts.count(m_tableFont))
            m_fonts[m_tableFont] = m_tableEntry;
        m_tableFont = -1;
        m_tableName.clear();
    }

    void colorTableWord(const Word& w)
    {
        const int v = clampInt(w.param, 0, 255);
        if (std::strcmp(w.name, "red") == 0)
            m_red = v;
        else if (std::strcmp(w.name, "green") == 0)
            m_green = v;
        else if (std::strcmp(w.name, "blue") == 0)
            m_blue = v;
    }

    bool on(const Word& w) const { return !w.hasParam || w.param != 0; }

    void textWord(const Word& w)
    {
        const char* n = w.name;
        CharState& ch = m_cur.ch;
        ParaState& para = m_cur.para;
        auto is = [n](const char* s) { return std::strcmp(n, s) == 0; };
        auto twips = [&w]() { return clampInt(w.param, -31680, 31680); };

        if (is("par") || is("sect") || is("row") || is("nestrow")) {
            endParagraph();
        } else if (is("line")) {
            textChar(QChar::LineSeparator);
        } else if (is("tab") || is("cell") || is("nestcell")) {
            textChar(QLatin1Char('\t'));
        } else if (is("page")) {
            if (m_paraHasContent)
                endParagraph();
            m_pageBreakBefore = true;
        } else if (is("u")) {
            long long v = w.param;
            if (v < 0)
                v += 65536;
            if (v > 0 && v <= 0xFFFF)
                textChar(QChar(char16_t(v)));
            m_skipChars = m_cur.uc;
        } else if (is("uc")) {
            m_cur.uc = clampInt(w.param, 0, 16);
        } else if (is("b")) {
            ch.bold = on(w);
        } else if (is("i")) {
            ch.italic = on(w);
        } else if (is("strike") || is("striked")) {
            ch.strike = on(w);
        } else if (is("ulnone")) {
            ch.underline = false;
        } else if (n[0] == 'u' && n[1] == 'l' && std::strcmp(n, "ulc") != 0) {
            ch.underline = on(w); // \ul, \uld, \uldb, \ulw, \ulwave ...
        } else if (is("fs")) {
            if (w.hasParam && w.param > 0)
                ch.halfPoints = clampInt(w.param, 2, 3276);
        } else if (is("f")) {
            ch.font = clampInt(w.param, 0, 1 << 20);
        } else if (is("cf")) {
            ch.color = clampInt(w.param, 0, 1 << 20);
        } else if (is("plain")) {
            ch = CharState();
        } else if (is("tx") || is("tb")) {
            if (para.tabs.size() < 64)
                para.tabs.push_back(clampInt(w.param, 0, 31680));
        } else if (is("pard")) {
            para = ParaState();
        } else if (is("ql")) {
            para.align = Qt::AlignLeft;
        } else if (is("qc")) {
            para.align = Qt::AlignHCenter;
        } else if (is("qr")) {
            para.align = Qt::AlignRight;
        } else if (is("qj")) {
            para.align = Qt::AlignJustify;
        } else if (is("li")) {
            para.leftIndent = twips();
        } else if (is("ri")) {
            para.rightIndent = twips();
        } else if (is("fi")) {
            para.firstIndent = twips();
        } else if (is("sb")) {
            para.spaceBefore = twips();
        } else if (is("sa")) {
            para.spaceAfter = twips();
        } else if (is("fonttbl")) {
            m_cur.dest = Dest::FontTable;
            m_tableFont = -1;
            m_tableName.clear();
        } else if (is("colortbl")) {
            m_cur.dest = Dest::ColorTable;
            m_red = m_green = m_blue = -1;
        } else if (is("ansicpg")) {
            m_docCodePage = clampInt(w.param, 0, 65535);
        } else if (is("ansi")) {
            m_docCodePage = 1252;
        } else if (is("mac")) {
            m_docCodePage = 10000;
        } else if (is("pc")) {
            m_docCodePage = 437;
        } else if (is("pca")) {
            m_docCodePage = 850;
        } else if (is("deff")) {
            m_defaultFont = clampInt(w.param, 0, 1 << 20);
        } else if (is("emdash")) {
            textChar(QChar(0x2014));
        } else if (is("endash")) {
            textChar(QChar(0x2013));
        } else if (is("emspace")) {
            textChar(QChar(0x2003));
        } else if (is("enspace")) {
            textChar(QChar(0x2002));
        } else if (is("qmspace")) {
            textChar(QChar(0x2005));
        } else if (is("bullet")) {
            textChar(QChar(0x2022));
        } else if (is("lquote")) {
            textChar(QChar(0x2018));
        } else if (is("rquote")) {
            textChar(QChar(0x2019));
        } else if (is("ldblquote")) {
            textChar(QChar(0x201C));
        } else if (is("rdblquote")) {
            textChar(QChar(0x201D));
        }
        // Every other word changes nothing this reader keeps.
    }

    // ---- text ----

    void plainByte(uchar b)
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
                m_colors.push_back(m_red < 0 && m_green < 0 && m_blue < 0
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

    void escapedByte(uchar b)
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

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QString s = decodeBytes(m_bytes, m_bytesCodePage);
        m_bytes.clear();
        appendText(s);
    }

    void textChar(QChar c)
    {
        if (m_cur.dest != Dest::Text || consumeSkip())
            return;
        if (m_run.isEmpty() || m_runState != m_cur.ch) {
            flushRun();
            m_runState = m_cur.ch;
        }
        m_run += c;
        m_paraHasContent = true;
    }

    void appendText(const QString& s)
    {
        if (s.isEmpty())
            return;
        if (m_run.isEmpty() || m_runState != m_cur.ch) {
            flushRun();
            m_runState = m_cur.ch;
        }
        m_run += s;
        m_paraHasContent = true;
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, charFormat(m_runState));
        m_run.clear();
    }

    QTextCharFormat charFormat(const CharState& s)
    {
        QTextCharFormat f;
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        f.setFontStrikeOut(s.strike);
        f.setFontPointSize(s.halfPoints / 2.0);
        const auto font = m_fonts.find(s.font < 0 ? m_defaultFont : s.font);
        if (font != m_fonts.end() && !font->second.name.isEmpty())
            f.setFontFamilies({font->second.name});
        if (s.color > 0 && s.color < int(m_colors.size()) && m_colors[size_t(s.color)].isValid())
            f.setForeground(m_colors[size_t(s.color)]);
        return f;
    }

    QTextBlockFormat blockFormat(const ParaState& p) const
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

    void closeBlock()
    {
        flushBytes();
        flushRun();
        QTextBlockFormat bf = blockFormat(m_cur.para);
        if (m_pageBreakBefore)
            bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_pageBreakBefore = false;
        m_cursor.setBlockFormat(bf);
        m_cursor.setBlockCharFormat(charFormat(m_cur.ch));
        m_paraHasContent = false;
    }

    void endParagraph()
    {
        closeBlock();
        m_cursor.insertBlock();
    }

    void finishParagraph() { closeBlock(); }

    int codePageOf(int font) const
    {
        const auto f = m_fonts.find(font < 0 ? m_defaultFont : font);
        if (f != m_fonts.end() && f->second.codePage)
            return f->second.codePage;
        return m_docCodePage;
    }

    QString decodeBytes(const QByteArray& bytes, int cp)
    {
        if (cp == 1250)
            return decodeTable(bytes, fromCp1250);
        if (cp == 1252 || cp == 0)
            return decodeTable(bytes, fromCp1252);
        if (cp == 65001)
            return QString::fromUtf8(bytes);
        if (cp == 28591)
            return QString::fromLatin1(bytes);
        auto it = m_converters.find(cp);
        if (it == m_converters.end())
            it = m_converters.emplace(cp, converterFor(cp)).first;
        if (it->second)
            return it->second->decode(bytes);
        return decodeTable(bytes, fromCp1252);
    }

    const char* m_p;
    const char* m_end;
    QTextCursor m_cursor;
    RtfReader::Limits m_limits;
    bool m_open = true;

    std::vector<Group> m_stack;
    Group m_cur;
    int m_skipChars = 0;
    bool m_ignorableNext = false;

    int m_docCodePage = 1252;
    int m_defaultFont = 0;
    std::unordered_map<int, FontEntry> m_fonts;
    int m_tableFont = -1;
    FontEntry m_tableEntry;
    QByteArray m_tableName;
    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_converters;

    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    QString m_run;
    CharState m_runState;
    bool m_paraHasContent = false;
    bool m_pageBreakBefore = false;
};

// Where "{\rtf" starts, after a byte-order mark or blank space; -1 if nowhere.
qsizetype rtfStart(const QByteArray& data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf" ? i : -1;
}

} // namespace

QString RtfReader::decode(const QByteArray& bytes, int codePage)
{
    if (codePage == 1250)
        return decodeTable(bytes, fromCp1250);
    if (codePage != 1252 && codePage != 0) {
        if (auto d = converterFor(codePage))
            return d->decode(bytes);
    }
    return decodeTable(bytes, fromCp1252);
}

bool RtfReader::read(const QByteArray& data, QTextDocument& doc, QString* error) const
{
    doc.clear();
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (data.size() > m_limits.maxBytes)
        return fail(QStringLiteral("Fisierul este prea mare."));
    const qsizetype start = rtfStart(data);
    if (start < 0)
        return fail(QStringLiteral("Fisierul nu este in format RTF."));
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    Parser parser(start == 0 ? data : data.mid(start), doc, m_limits);
    parser.run();
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return true;
}

bool RtfReader::readFile(const QString& path, QTextDocument& doc, QString* error) const
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        doc.clear();
        if (error)
            *error = f.errorString();
        return false;
    }
    if (f.size() > m_limits.maxBytes) {
        doc.clear();
        if (error)
            *error = QStringLiteral("Fisierul este prea mare.");
        return false;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        doc.clear();
        if (error)
            *error = f.errorString();
        return false;
    }
    return read(data, doc, error);
}
