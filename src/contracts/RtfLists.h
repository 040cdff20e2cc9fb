#pragma once

#include <QString>

#include <unordered_map>
#include <vector>

// Fonts whose characters are pictures rather than letters.
enum RtfSymbolFont { NoSymbols = 0, SymbolLetters = 1, Dingbats = 2 };

// Which symbol set a font of this name and character set draws.
int rtfSymbolFontOf(const QString& name, int charset);
// The Unicode character that `code` shows in a symbol font; codes in the
// private-use range U+F020..U+F0FF stand for the byte in their last two digits.
char16_t rtfSymbolToUnicode(int symbols, char16_t code);

// A number written in one of the numbering styles (\levelnfc, \ftnn...):
// 0 arabic, 1 upper roman, 2 lower roman, 3 upper letter, 4 lower letter.
QString rtfNumberText(int number, int style);

// The list definitions and the numbers given so far.
class RtfLists {
public:
    struct Level {
        int style = 0; // numbering style; 23 bullet, 255 none
        int start = 1;
        int follow = 0;             // after the number: 0 tab, 1 space, 2 nothing
        int symbols = 0;            // the level's font is a symbol font
        std::vector<char16_t> text; // length first, then text with level numbers as codes 0..8
    };
    struct List {
        int id = 0;
        std::vector<Level> levels;
    };

    // Reading the tables.
    void beginList() { m_lists.emplace_back(); }
    void beginLevel();
    Level* level(); // the level being read, or null
    void setListId(int id);
    void beginOverride() { m_overrides.emplace_back(0, 0); }
    void setOverrideList(int id);
    void setOverrideNumber(int ls);

    // The next number of list override `ls` at `level`, as its text with what
    // follows it; empty for an unknown list. Deeper levels start again.
    QString next(int ls, int level);

private:
    const List* listOf(int ls) const;

    std::vector<List> m_lists;
    std::vector<std::pair<int, int>> m_overrides;         // (ls, list id)
    std::unordered_map<int, std::vector<int>> m_counters; // by ls
};
