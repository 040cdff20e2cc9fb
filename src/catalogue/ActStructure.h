#pragma once

#include <QString>

#include <vector>

// The structure of an act's text: its titles, chapters, sections, annexes and
// articles, found by the words that open their lines.
namespace ActStructure {

struct Heading {
    enum Kind { Title, Chapter, Section, Annex, Article };
    Kind kind = Article;
    qsizetype start = 0;  // first character of the line
    qsizetype length = 0; // the characters shown in bold
    QString number;       // "41", "41^1", "IV", as written
    QString label;        // the line as the heading list shows it
};

// Every heading of `text`, in order. Lines end at '\n' (and U+2029, as a
// document's plain text may hold).
std::vector<Heading> headings(const QString& text);

// The article numbered `number` ("41", "art. 41", "41^1"), or null.
const Heading* findArticle(const std::vector<Heading>& list, const QString& number);

// The number part of what the user typed to find an article ("Art. 41" -> "41").
QString articleNumber(const QString& typed);

} // namespace ActStructure
