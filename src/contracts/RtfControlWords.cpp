#include "contracts/RtfControlWords.h"

#include <Qt>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

using A = RtfAction;

// Sorted by name, byte by byte (checked below at compile time).
constexpr RtfControlWord kWords[] = {
    {"aftncn", A::SkipDestination, 0},
    {"aftnsep", A::SkipDestination, 0},
    {"aftnsepc", A::SkipDestination, 0},
    {"annotation", A::SkipDestination, 0},
    {"ansi", A::DocumentCodePage, 1252},
    {"ansicpg", A::DocumentCodePage, 0},
    {"atnauthor", A::SkipDestination, 0},
    {"atndate", A::SkipDestination, 0},
    {"atnid", A::SkipDestination, 0},
    {"atnref", A::SkipDestination, 0},
    {"author", A::SkipDestination, 0},
    {"b", A::Bold, 0},
    {"background", A::SkipDestination, 0},
    {"bin", A::Binary, 0},
    {"bkmkend", A::SkipDestination, 0},
    {"bkmkstart", A::SkipDestination, 0},
    {"blue", A::ColorPart, 2},
    {"bullet", A::Character, 0x2022},
    {"buptim", A::SkipDestination, 0},
    {"cell", A::Character, '\t'},
    {"cf", A::Color, 0},
    {"colorschememapping", A::SkipDestination, 0},
    {"colortbl", A::ColorTable, 0},
    {"comment", A::SkipDestination, 0},
    {"company", A::SkipDestination, 0},
    {"cpg", A::FontCodePage, 0},
    {"creatim", A::SkipDestination, 0},
    {"datastore", A::SkipDestination, 0},
    {"deff", A::DefaultFont, 0},
    {"doccomm", A::SkipDestination, 0},
    {"docvar", A::SkipDestination, 0},
    {"emdash", A::Character, 0x2014},
    {"emspace", A::Character, 0x2003},
    {"endash", A::Character, 0x2013},
    {"enspace", A::Character, 0x2002},
    {"f", A::Font, 0},
    {"falt", A::SkipDestination, 0},
    {"fcharset", A::FontCharset, 0},
    {"fi", A::FirstIndent, 0},
    {"filetbl", A::SkipDestination, 0},
    {"fldinst", A::SkipDestination, 0},
    {"fontemb", A::SkipDestination, 0},
    {"fontfile", A::SkipDestination, 0},
    {"fonttbl", A::FontTable, 0},
    {"footer", A::SkipDestination, 0},
    {"footerf", A::SkipDestination, 0},
    {"footerl", A::SkipDestination, 0},
    {"footerr", A::SkipDestination, 0},
    {"footnote", A::SkipDestination, 0},
    {"fs", A::FontSize, 0},
    {"ftncn", A::SkipDestination, 0},
    {"ftnsep", A::SkipDestination, 0},
    {"ftnsepc", A::SkipDestination, 0},
    {"generator", A::SkipDestination, 0},
    {"green", A::ColorPart, 1},
    {"header", A::SkipDestination, 0},
    {"headerf", A::SkipDestination, 0},
    {"headerl", A::SkipDestination, 0},
    {"headerr", A::SkipDestination, 0},
    {"i", A::Italic, 0},
    {"info", A::SkipDestination, 0},
    {"keywords", A::SkipDestination, 0},
    {"latentstyles", A::SkipDestination, 0},
    {"ldblquote", A::Character, 0x201C},
    {"li", A::LeftIndent, 0},
    {"line", A::Character, 0x2028},
    {"listoverridetable", A::SkipDestination, 0},
    {"listpicture", A::SkipDestination, 0},
    {"listtable", A::SkipDestination, 0},
    {"lquote", A::Character, 0x2018},
    {"mac", A::DocumentCodePage, 10000},
    {"mmathPr", A::SkipDestination, 0},
    {"nestcell", A::Character, '\t'},
    {"nestrow", A::EndParagraph, 0},
    {"nonshppict", A::SkipDestination, 0},
    {"objdata", A::SkipDestination, 0},
    {"object", A::SkipDestination, 0},
    {"oldcprops", A::SkipDestination, 0},
    {"oldpprops", A::SkipDestination, 0},
    {"oldsprops", A::SkipDestination, 0},
    {"oldtprops", A::SkipDestination, 0},
    {"operator", A::SkipDestination, 0},
    {"page", A::PageBreak, 0},
    {"panose", A::SkipDestination, 0},
    {"par", A::EndParagraph, 0},
    {"pard", A::PlainParagraph, 0},
    {"passwordhash", A::SkipDestination, 0},
    {"pc", A::DocumentCodePage, 437},
    {"pca", A::DocumentCodePage, 850},
    {"pgdsctbl", A::SkipDestination, 0},
    {"pict", A::SkipDestination, 0},
    {"plain", A::PlainCharacters, 0},
    {"pn", A::SkipDestination, 0},
    {"pnseclvl", A::SkipDestination, 0},
    {"printim", A::SkipDestination, 0},
    {"private", A::SkipDestination, 0},
    {"qc", A::Align, Qt::AlignHCenter},
    {"qj", A::Align, Qt::AlignJustify},
    {"ql", A::Align, Qt::AlignLeft},
    {"qmspace", A::Character, 0x2005},
    {"qr", A::Align, Qt::AlignRight},
    {"rdblquote", A::Character, 0x201D},
    {"red", A::ColorPart, 0},
    {"revtbl", A::SkipDestination, 0},
    {"revtim", A::SkipDestination, 0},
    {"ri", A::RightIndent, 0},
    {"row", A::EndParagraph, 0},
    {"rquote", A::Character, 0x2019},
    {"rsidtbl", A::SkipDestination, 0},
    {"sa", A::SpaceAfter, 0},
    {"sb", A::SpaceBefore, 0},
    {"sect", A::EndParagraph, 0},
    {"shp", A::SkipDestination, 0},
    {"shpinst", A::SkipDestination, 0},
    {"sn", A::SkipDestination, 0},
    {"sp", A::SkipDestination, 0},
    {"strike", A::Strike, 0},
    {"striked", A::Strike, 0},
    {"stylesheet", A::SkipDestination, 0},
    {"subject", A::SkipDestination, 0},
    {"sv", A::SkipDestination, 0},
    {"tab", A::Character, '\t'},
    {"tb", A::TabStop, 0},
    {"tc", A::SkipDestination, 0},
    {"template", A::SkipDestination, 0},
    {"themedata", A::SkipDestination, 0},
    {"title", A::SkipDestination, 0},
    {"tx", A::TabStop, 0},
    {"txe", A::SkipDestination, 0},
    {"u", A::Unicode, 0},
    {"uc", A::UnicodeSkip, 0},
    {"ul", A::Underline, 0},
    {"ulc", A::None, 0},
    {"ulnone", A::NoUnderline, 0},
    {"userprops", A::SkipDestination, 0},
    {"wgrffmtfilter", A::SkipDestination, 0},
    {"xe", A::SkipDestination, 0},
    {"xmlnstbl", A::SkipDestination, 0},
};

constexpr bool nameLess(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
}

constexpr bool sortedByName()
{
    for (std::size_t i = 1; i < std::size(kWords); ++i) {
        if (!nameLess(kWords[i - 1].name, kWords[i].name))
            return false;
    }
    return true;
}
static_assert(sortedByName(), "kWords must be sorted by name, without repeats");

} // namespace

RtfControlWord rtfControlWord(const char* name)
{
    const auto it = std::lower_bound(std::begin(kWords), std::end(kWords), name,
                                     [](const RtfControlWord& w, const char* n) { return std::strcmp(w.name, n) < 0; });
    if (it != std::end(kWords) && std::strcmp(it->name, name) == 0)
        return *it;
    // Every underline style (\uld, \uldb, \ulwave, ...) underlines.
    if (name[0] == 'u' && name[1] == 'l')
        return {name, A::Underline, 0};
    return {name, A::None, 0};
}
