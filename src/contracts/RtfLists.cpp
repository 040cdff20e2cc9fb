#include "contracts/RtfLists.h"

#include <algorithm>
#include <iterator>

namespace {

// Symbol font, bytes 0x20..0xFE.
constexpr char16_t kSymbol[] = {
    // 0x20
    u' ', u'!', 0x2200, u'#', 0x2203, u'%', u'&', 0x220B, u'(', u')', 0x2217, u'+', u',', 0x2212, u'.', u'/',
    // 0x30
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u':', u';', u'<', u'=', u'>', u'?',
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
    0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, u'[', 0x2234, u']', 0x22A5,
    u'_',
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, u'{', u'|', u'}', 0x223C,
    0x2022,
    // 0x80..0x9F have no picture in the font; a bullet is the likeliest intent
    0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022,
    0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022, 0x2022,
    0x2022, 0x2022, 0x2022, 0x2022,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191,
    0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0,
    0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286,
    0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1,
    0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8,
    0x23A9, 0x23AA,
    // 0xF0
    0x2022, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC,
    0x23AD, 0x2022};
static_assert(std::size(kSymbol) == 0xE0, "one entry per byte from 0x20");

// The dingbat fonts: the pictures lists and check boxes use; any other is
// shown as a bullet, the likeliest intent of a picture font in a contract.
struct Dingbat {
    unsigned char code;
    char16_t unicode;
};
constexpr Dingbat kDingbats[] = {
    {0x21, 0x270F}, {0x22, 0x2702}, {0x28, 0x260E}, {0x3F, 0x270D}, {0x41, 0x270C}, {0x43, 0x261D}, {0x45, 0x261C},
    {0x46, 0x261E}, {0x4A, 0x263A}, {0x4C, 0x2639}, {0x6C, 0x25CF}, {0x6D, 0x274D}, {0x6E, 0x25A0}, {0x6F, 0x25A1},
    {0x70, 0x25FB}, {0x71, 0x2751}, {0x72, 0x2752}, {0x73, 0x2B27}, {0x74, 0x29EB}, {0x75, 0x25C6}, {0x76, 0x2756},
    {0x77, 0x2B25}, {0x78, 0x2327}, {0x9F, 0x2022}, {0xA0, 0x25AA}, {0xA1, 0x25CB}, {0xA2, 0x2B58}, {0xA7, 0x25AA},
    {0xA8, 0x25FB}, {0xD8, 0x27A2}, {0xDF, 0x2190}, {0xE0, 0x2192}, {0xE8, 0x2794}, {0xEF, 0x21E6}, {0xF0, 0x21E8},
    {0xFB, 0x2717}, {0xFC, 0x2713}, {0xFD, 0x2612}, {0xFE, 0x2611},
};

} // namespace

int rtfSymbolFontOf(const QString& name, int charset)
{
    if (name.startsWith(u"Wingdings", Qt::CaseInsensitive) || name.startsWith(u"Webdings", Qt::CaseInsensitive) ||
        name.startsWith(u"Zapf", Qt::CaseInsensitive))
        return Dingbats;
    if (name.compare(u"Symbol", Qt::CaseInsensitive) == 0)
        return SymbolLetters;
    // A font with the symbol character set but a Unicode repertoire of its own
    // (an open symbol font) is drawn as its characters say.
    if (charset == 2 && !name.contains(u"Open", Qt::CaseInsensitive))
        return SymbolLetters;
    return NoSymbols;
}

char16_t rtfSymbolToUnicode(int symbols, char16_t code)
{
    const bool privateUse = code >= 0xF020 && code <= 0xF0FF;
    if (!privateUse && (symbols == NoSymbols || code > 0xFF))
        return code;
    const int byte = code & 0xFF;
    if (byte < 0x20)
        return code;
    if (symbols == Dingbats) {
        for (const Dingbat& d : kDingbats)
            if (d.code == byte)
                return d.unicode;
        return 0x2022;
    }
    return byte == 0xFF ? char16_t(0x2022) : kSymbol[byte - 0x20];
}

QString rtfNumberText(int number, int style)
{
    if (number <= 0 || style == 0 || style > 4 || (style <= 2 && number >= 4000))
        return QString::number(number);
    if (style >= 3) {
        // a, b, ..., z, aa, bb, ...: the letter repeated once per round
        const QChar letter(char16_t((style == 3 ? u'A' : u'a') + (number - 1) % 26));
        return QString((number - 1) / 26 + 1, letter);
    }
    static const struct {
        int value;
        const char* text;
    } kRoman[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
                  {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString out;
    for (const auto& r : kRoman) {
        for (; number >= r.value; number -= r.value)
            out += QLatin1String(r.text);
    }
    return style == 1 ? out.toUpper() : out;
}

void RtfLists::beginLevel()
{
    if (!m_lists.empty() && m_lists.back().levels.size() < 9)
        m_lists.back().levels.emplace_back();
}

RtfLists::Level* RtfLists::level()
{
    if (m_lists.empty() || m_lists.back().levels.empty())
        return nullptr;
    return &m_lists.back().levels.back();
}

void RtfLists::setListId(int id)
{
    if (!m_lists.empty())
        m_lists.back().id = id;
}

void RtfLists::setOverrideList(int id)
{
    if (!m_overrides.empty())
        m_overrides.back().second = id;
}

void RtfLists::setOverrideNumber(int ls)
{
    if (!m_overrides.empty())
        m_overrides.back().first = ls;
}

const RtfLists::List* RtfLists::listOf(int ls) const
{
    for (const auto& o : m_overrides) {
        if (o.first != ls)
            continue;
        for (const List& l : m_lists)
            if (l.id == o.second)
                return &l;
    }
    return nullptr;
}

QString RtfLists::next(int ls, int level)
{
    const List* list = listOf(ls);
    if (!list || list->levels.empty())
        return QString();
    level = std::clamp(level, 0, int(list->levels.size()) - 1);
    std::vector<int>& counters = m_counters[ls];
    counters.resize(list->levels.size(), 0);
    for (size_t deeper = size_t(level) + 1; deeper < counters.size(); ++deeper)
        counters[deeper] = 0;
    const Level& lv = list->levels[size_t(level)];
    counters[size_t(level)] = counters[size_t(level)] == 0 ? lv.start : counters[size_t(level)] + 1;
    if (lv.style == 255)
        return QString();

    QString out;
    const size_t length = lv.text.empty() ? 0 : std::min<size_t>(lv.text[0], lv.text.size() - 1);
    for (size_t i = 1; i <= length; ++i) {
        const char16_t c = lv.text[i];
        if (c < 9) {
            const size_t at = c;
            if (at < counters.size()) {
                const Level& other = list->levels[at];
                out += rtfNumberText(std::max(counters[at], other.start), other.style == 23 ? 0 : other.style);
            }
        } else {
            out += QChar(rtfSymbolToUnicode(lv.symbols, c));
        }
    }
    if (out.isEmpty() && lv.style == 23)
        out = QChar(0x2022);
    if (lv.follow == 0)
        out += QLatin1Char('\t');
    else if (lv.follow == 1)
        out += QLatin1Char(' ');
    return out;
}
