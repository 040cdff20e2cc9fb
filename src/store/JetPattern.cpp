#include "store/JetPattern.h"

namespace {

char16_t fold(char16_t c)
{
    if (c < 0x80) {
        if (c >= u'A' && c <= u'Z')
            return char16_t(c + 32);
        return c;
    }
    return QChar(c).toCaseFolded().unicode();
}

} // namespace

JetPattern::JetPattern(const QString& pattern)
{
    const int n = int(pattern.size());
    for (int i = 0; i < n; ++i) {
        const char16_t c = pattern[i].unicode();
        Element e{Kind::Literal, 0, false, {}};
        if (c == u'*') {
            if (!m_elements.empty() && m_elements.back().kind == Kind::AnyRun)
                continue;
            e.kind = Kind::AnyRun;
        } else if (c == u'?') {
            e.kind = Kind::AnyOne;
        } else if (c == u'#') {
            e.kind = Kind::Digit;
        } else if (c == u'[') {
            // A set needs at least one member and a closing bracket; a lone
            // bracket is taken as itself so a typed "[" never breaks a search.
            int close = -1;
            for (int j = i + 1; j < n; ++j) {
                if (pattern[j] == u']' && j > i + 1 + (pattern[i + 1] == u'!' ? 1 : 0)) {
                    close = j;
                    break;
                }
            }
            if (close < 0) {
                e.ch = fold(c);
            } else {
                e.kind = Kind::Set;
                int j = i + 1;
                if (pattern[j] == u'!') {
                    e.negated = true;
                    ++j;
                }
                for (; j < close; ++j) {
                    char16_t lo = fold(pattern[j].unicode());
                    char16_t hi = lo;
                    if (j + 2 < close && pattern[j + 1] == u'-') {
                        hi = fold(pattern[j + 2].unicode());
                        j += 2;
                    }
                    if (hi < lo)
                        std::swap(lo, hi);
                    e.ranges.emplace_back(lo, hi);
                }
                i = close;
            }
        } else {
            e.ch = fold(c);
        }
        m_elements.push_back(std::move(e));
    }
}

bool JetPattern::matchOne(const Element& e, char16_t folded) const
{
    switch (e.kind) {
    case Kind::Literal: return e.ch == folded;
    case Kind::AnyOne: return true;
    case Kind::Digit: return folded >= u'0' && folded <= u'9';
    case Kind::Set: {
        bool in = false;
        for (const auto& r : e.ranges) {
            if (folded >= r.first && folded <= r.second) {
                in = true;
                break;
            }
        }
        return in != e.negated;
    }
    case Kind::AnyRun: break;
    }
    return false;
}

bool JetPattern::matches(QStringView value) const
{
    // Greedy match with backtracking to the last `*`: linear in practice and
    // never worse than pattern length × value length. `?`, `#` and sets take
    // one whole character, so a surrogate pair counts once, as the engine's
    // own LIKE counts it; a literal pair in the pattern matches unit by unit.
    const size_t np = m_elements.size();
    const qsizetype nv = value.size();
    auto width = [&](qsizetype at) -> qsizetype {
        return at + 1 < nv && QChar::isHighSurrogate(value[at].unicode()) &&
                       QChar::isLowSurrogate(value[at + 1].unicode())
                   ? 2
                   : 1;
    };
    size_t p = 0;
    qsizetype v = 0;
    size_t starP = size_t(-1);
    qsizetype starV = 0;
    while (v < nv) {
        if (p < np && m_elements[p].kind == Kind::AnyRun) {
            starP = p++;
            starV = v;
            continue;
        }
        if (p < np) {
            const Element& e = m_elements[p];
            const qsizetype w = e.kind == Kind::Literal ? 1 : width(v);
            if (w == 2 ? (e.kind == Kind::AnyOne || (e.kind == Kind::Set && e.negated))
                       : matchOne(e, fold(value[v].unicode()))) {
                ++p;
                v += w;
                continue;
            }
        }
        if (starP == size_t(-1))
            return false;
        p = starP + 1;
        starV += width(starV);
        v = starV;
    }
    while (p < np && m_elements[p].kind == Kind::AnyRun)
        ++p;
    return p == np;
}

bool JetPattern::toNativeLike(const QString& pattern, QString& out)
{
    out.clear();
    out.reserve(pattern.size() + 4);
    for (const QChar qc : pattern) {
        const char16_t c = qc.unicode();
        if (c < 0x20 || c >= 0x7f || c == u'#' || c == u'[')
            return false;
        // The engine folds ASCII only; "ſ" and the Kelvin sign fold to s and k.
        if (c == u's' || c == u'S' || c == u'k' || c == u'K')
            return false;
        if (c == u'*')
            out += QLatin1Char('%');
        else if (c == u'?')
            out += QLatin1Char('_');
        else if (c == u'%' || c == u'_' || c == u'\\') {
            out += QLatin1Char('\\');
            out += qc;
        } else
            out += qc;
    }
    return true;
}
