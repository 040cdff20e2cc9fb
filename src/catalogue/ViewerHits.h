#pragma once

#include <QString>

#include <vector>

class QTextEdit;

// Hits of a search shown in the viewer: one extra selection per hit, found
// the folded way the search matches (any case, any Romanian diacritics).
namespace ViewerHits {

struct Hit {
    int start = 0;
    int length = 0;
};

// Every hit of the keyword's words in `text`; with `inText` also every word
// that starts with a word's stem ("munca" marks "muncii"). Sorted, disjoint.
std::vector<Hit> keywordHits(const QString& text, const QString& keyword, bool inText);
// Every hit of `phrase`, folded, as typed (blanks included).
std::vector<Hit> phraseHits(const QString& text, const QString& phrase);

// Marks the hits and moves to the first one at or after the cursor (the
// first one when `fromTop`); no hits clears what was shown. In a very long
// act with very many hits, only those around the visible part are marked at
// a time (again after each scroll).
void show(QTextEdit& box, const std::vector<Hit>& hits, bool fromTop);
void clear(QTextEdit& box);
// Moves to the next (or previous) hit shown, round the end; false without hits.
bool go(QTextEdit& box, bool forward);

} // namespace ViewerHits
