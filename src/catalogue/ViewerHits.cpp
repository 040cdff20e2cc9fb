#include "catalogue/ViewerHits.h"

#include "catalogue/SearchIndex.h"
#include "store/TextFold.h"

#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>
#include <limits>

namespace {

// Hits past this many are not looked for; no reader walks them all.
constexpr size_t kMostHits = 200000;

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

// Up to this many hits are marked all at once. Beyond it only the hits
// around the visible part are marked, and again on every scroll: marking a
// hit makes the viewer lay the text out up to it, which for every hit of a
// word in a multi-megabyte act takes seconds.
constexpr size_t kMarkedAtOnce = 2000;
constexpr int kMarginChars = 20000;

const QString kMarksName = QStringLiteral("tarvenor_hit_marks");

class HitMarks final : public QObject {
public:
    explicit HitMarks(QTextEdit& box) : QObject(&box), m_box(box)
    {
        setObjectName(kMarksName);
        connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
            if (hits.size() > kMarkedAtOnce)
                mark();
        });
    }

    static HitMarks& of(QTextEdit& box)
    {
        if (auto* found = box.findChild<QObject*>(kMarksName, Qt::FindDirectChildrenOnly))
            return *static_cast<HitMarks*>(found);
        return *new HitMarks(box);
    }

    void mark()
    {
        int from = 0, to = std::numeric_limits<int>::max();
        if (hits.size() > kMarkedAtOnce) {
            const QRect view = m_box.viewport()->rect();
            from = m_box.cursorForPosition(view.topLeft()).position() - kMarginChars;
            to = m_box.cursorForPosition(view.bottomRight()).position() + kMarginChars;
        }
        QTextCharFormat look;
        look.setBackground(QColor(255, 226, 64));
        QList<QTextEdit::ExtraSelection> selections;
        QTextCursor cursor(m_box.document());
        auto it = std::lower_bound(hits.begin(), hits.end(), from,
                                   [](const ViewerHits::Hit& h, int at) { return h.start < at; });
        for (; it != hits.end() && it->start <= to && size_t(selections.size()) < kMarkedAtOnce; ++it) {
            cursor.setPosition(it->start);
            cursor.setPosition(it->start + it->length, QTextCursor::KeepAnchor);
            selections.append({cursor, look});
        }
        m_box.setExtraSelections(selections);
    }

    void select(const ViewerHits::Hit& h)
    {
        QTextCursor cursor(m_box.document());
        cursor.setPosition(h.start);
        cursor.setPosition(h.start + h.length, QTextCursor::KeepAnchor);
        m_box.setTextCursor(cursor);
        m_box.ensureCursorVisible();
        if (hits.size() > kMarkedAtOnce)
            mark();
    }

    std::vector<ViewerHits::Hit> hits;

private:
    QTextEdit& m_box;
};

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
    HitMarks& marks = HitMarks::of(box);
    const int from = fromTop ? 0 : box.textCursor().selectionStart();
    marks.hits = hits;
    marks.mark();
    if (hits.empty())
        return;
    auto first = std::find_if(hits.begin(), hits.end(), [from](const Hit& h) { return h.start >= from; });
    marks.select(first != hits.end() ? *first : hits.front());
}

void clear(QTextEdit& box)
{
    HitMarks::of(box).hits.clear();
    box.setExtraSelections({});
}

bool go(QTextEdit& box, bool forward)
{
    HitMarks& marks = HitMarks::of(box);
    const std::vector<Hit>& hits = marks.hits;
    if (hits.empty())
        return false;
    const int here = box.textCursor().selectionStart();
    if (forward) {
        auto next = std::upper_bound(hits.begin(), hits.end(), here, [](int at, const Hit& h) { return at < h.start; });
        marks.select(next != hits.end() ? *next : hits.front());
    } else {
        auto next = std::lower_bound(hits.begin(), hits.end(), here, [](const Hit& h, int at) { return h.start < at; });
        marks.select(next != hits.begin() ? *std::prev(next) : hits.back());
    }
    return true;
}

} // namespace ViewerHits
