#include "catalogue/ViewerHits.h"

#include "catalogue/SearchIndex.h"
#include "store/TextFold.h"

#include <QTextEdit>

#include <algorithm>

namespace {

// More marks than this would only slow the viewer; a reader never walks them all.
constexpr size_t kMostHits = 20000;

bool wordChar(QChar c)
{
    return c.isLetterOrNumber();
}

void occurrences(const QString& folded, const QString& needle, bool wholeWordTail, std::vector<ViewerHits::Hit>& out)
{
    if (needle.isEmpty())
        return;
    qsizetype at = folded.indexOf(needle);
    while (at >= 0 && out.size() < kMostHits) {
        qsizetype end = at + needle.size();
        if (wholeWordTail) {
            if (at > 0 && wordChar(folded[at - 1])) {
                at = folded.indexOf(needle, at + 1);
                continue;
            }
            while (end < folded.size() && wordChar(folded[end]))
                ++end;
        }
        out.push_back({int(at), int(end - at)});
        at = folded.indexOf(needle, end);
    }
}

std::vector<ViewerHits::Hit> tidy(std::vector<ViewerHits::Hit> hits)
{
    std::sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
        return a.start != b.start ? a.start < b.start : a.length > b.length;
    });
    std::vector<ViewerHits::Hit> out;
    for (const auto& h : hits) {
        if (!out.empty() && h.start < out.back().start + out.back().length) {
            const int end = std::max(out.back().start + out.back().length, h.start + h.length);
            out.back().length = end - out.back().start;
            continue;
        }
        out.push_back(h);
    }
    return out;
}

void select(QTextEdit& box, const QTextCursor& hit)
{
    box.setTextCursor(hit);
    box.ensureCursorVisible();
}

} // namespace

namespace ViewerHits {

std::vector<Hit> keywordHits(const QString& text, const QString& keyword, bool inText)
{
    const QString folded = foldRomanian(text);
    std::vector<Hit> hits;
    for (const QString& w : SearchIndex::titleWords(keyword))
        occurrences(folded, w, false, hits);
    if (inText) {
        for (const std::string& s : TextFold::stems(keyword))
            occurrences(folded, QString::fromStdString(s), true, hits);
    }
    return tidy(std::move(hits));
}

std::vector<Hit> phraseHits(const QString& text, const QString& phrase)
{
    std::vector<Hit> hits;
    occurrences(foldRomanian(text), foldRomanian(phrase), false, hits);
    return hits;
}

void show(QTextEdit& box, const std::vector<Hit>& hits, bool fromTop)
{
    QTextCharFormat mark;
    mark.setBackground(QColor(255, 226, 64));
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(qsizetype(hits.size()));
    QTextCursor cursor(box.document());
    for (const Hit& h : hits) {
        cursor.setPosition(h.start);
        cursor.setPosition(h.start + h.length, QTextCursor::KeepAnchor);
        selections.append({cursor, mark});
    }
    box.setExtraSelections(selections);
    if (selections.isEmpty())
        return;
    const int from = fromTop ? 0 : box.textCursor().selectionStart();
    for (const auto& s : selections) {
        if (s.cursor.selectionStart() >= from) {
            select(box, s.cursor);
            return;
        }
    }
    select(box, selections.first().cursor);
}

void clear(QTextEdit& box)
{
    box.setExtraSelections({});
}

bool go(QTextEdit& box, bool forward)
{
    const QList<QTextEdit::ExtraSelection> selections = box.extraSelections();
    if (selections.isEmpty())
        return false;
    const int here = box.textCursor().selectionStart();
    if (forward) {
        for (const auto& s : selections) {
            if (s.cursor.selectionStart() > here) {
                select(box, s.cursor);
                return true;
            }
        }
        select(box, selections.first().cursor);
    } else {
        for (auto it = selections.crbegin(); it != selections.crend(); ++it) {
            if (it->cursor.selectionStart() < here) {
                select(box, it->cursor);
                return true;
            }
        }
        select(box, selections.last().cursor);
    }
    return true;
}

} // namespace ViewerHits
