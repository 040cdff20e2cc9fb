#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// A `like` pattern in the catalogue's dialect: `*` any run, `?` one character,
// `#` one digit, `[abc]`, `[!abc]`, `[a-z]` sets; everything else literal
// (`%` and `_` included). Matching ignores letter case, with Unicode folding.
class JetPattern {
public:
    explicit JetPattern(const QString& pattern);

    bool matches(QStringView value) const;

    // The same pattern for SQLite's own LIKE (with ESCAPE '\'), when that gives
    // identical results: only `*`, `?` and printable ASCII other than the letters
    // s and k (non-ASCII letters fold to them). False otherwise.
    static bool toNativeLike(const QString& pattern, QString& out);

private:
    enum class Kind { Literal, AnyRun, AnyOne, Digit, Set };
    struct Element {
        Kind kind;
        char16_t ch = 0;                                   // Literal: folded character
        bool negated = false;                              // Set
        std::vector<std::pair<char16_t, char16_t>> ranges; // Set, folded bounds
    };
    bool matchOne(const Element& e, char16_t folded) const;

    std::vector<Element> m_elements;
};
