#include "store/TextFold.h"

#include <QChar>

#include <libstemmer.h>
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

char16_t foldChar(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    switch (c) {
    case 0x0102:
    case 0x0103:
    case 0x00C2:
    case 0x00E2: return u'a';
    case 0x00CE:
    case 0x00EE: return u'i';
    case 0x0218:
    case 0x0219:
    case 0x015E:
    case 0x015F: return u's';
    case 0x021A:
    case 0x021B:
    case 0x0162:
    case 0x0163: return u't';
    default: break;
    }
    if (QChar::isSurrogate(c))
        return c;
    return QChar(c).toLower().unicode();
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at `i` and moves past it; a broken sequence counts
// as one separator byte, so that damaged text never stops the indexing.
char32_t nextCodePoint(std::string_view s, size_t& i)
{
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80)
        return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + size_t(extra) > s.size())
        return 0;
    char32_t cp = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
        ++i;
    }
    return cp;
}

bool wordChar(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= '0' && cp <= '9') || (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z');
    return QChar::isLetterOrNumber(cp);
}

// One stemmer per thread (an update pack's acts are stemmed on a second one).
// Stems are remembered, since legal texts repeat a small vocabulary over and
// over; each stem also counts its uses in the text being worked, which spares
// a table per text.
class Stemmer {
public:
    struct Stem {
        std::string text;
        quint64 pass = 0; // the text whose uses `uses` counts
        unsigned char uses = 0;
    };

    Stemmer() : m_stemmer(sb_stemmer_new("romanian", "UTF_8"), sb_stemmer_delete) {}

    Stem& stem(const std::string& word)
    {
        auto it = m_words.find(word);
        if (it != m_words.end())
            return *it->second;
        std::string stemmed = word;
        if (m_stemmer) {
            const sb_symbol* s =
                sb_stemmer_stem(m_stemmer.get(), reinterpret_cast<const sb_symbol*>(word.data()), int(word.size()));
            if (s)
                stemmed.assign(reinterpret_cast<const char*>(s), size_t(sb_stemmer_length(m_stemmer.get())));
        }
        auto found = m_stems.find(stemmed);
        if (found == m_stems.end())
            found = m_stems.emplace(stemmed, Stem{stemmed}).first;
        return *m_words.emplace(word, &found->second).first->second;
    }

    // Between texts only: stems handed out stay valid while a text is worked.
    quint64 nextText()
    {
        if (m_words.size() > 500000) {
            m_words.clear();
            m_stems.clear();
        }
        return ++m_pass;
    }

private:
    std::unique_ptr<sb_stemmer, void (*)(sb_stemmer*)> m_stemmer;
    std::unordered_map<std::string, Stem> m_stems; // nodes stay put: words point at them
    std::unordered_map<std::string, Stem*> m_words;
    quint64 m_pass = 0;
};

Stemmer& stemmer()
{
    thread_local Stemmer instance;
    return instance;
}

template <typename Emit>
void forEachStem(std::string_view utf8, Emit sink)
{
    Stemmer& words = stemmer();
    std::string word;
    size_t i = 0;
    auto flush = [&] {
        if (!word.empty()) {
            sink(words.stem(word));
            word.clear();
        }
    };
    while (i < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (!wordChar(cp)) {
            flush();
            continue;
        }
        appendUtf8(word, cp < 0x10000 ? foldChar(char16_t(cp)) : cp);
    }
    flush();
}

} // namespace

QString foldRomanian(const QString& text)
{
    QString folded(text.size(), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const char16_t*>(text.utf16());
    auto* out = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = foldChar(in[i]);
    return folded;
}

namespace TextFold {

QString sqlStripDiacritics(const QString& column)
{
    static const struct {
        int code;
        char plain;
    } pairs[] = {{0x0103, 'a'}, {0x0102, 'A'}, {0x00E2, 'a'}, {0x00C2, 'A'}, {0x00EE, 'i'},
                 {0x00CE, 'I'}, {0x0219, 's'}, {0x0218, 'S'}, {0x015F, 's'}, {0x015E, 'S'},
                 {0x021B, 't'}, {0x021A, 'T'}, {0x0163, 't'}, {0x0162, 'T'}};
    QString expr = column;
    for (const auto& p : pairs)
        expr = QStringLiteral("replace(%1,char(%2),'%3')").arg(expr).arg(p.code).arg(QLatin1Char(p.plain));
    return expr;
}

std::string stemmedText(std::string_view utf8)
{
    // Each stem at most kMostRepeats times: relevance hardly grows past a few
    // repeats, and long acts repeat the same words thousands of times, which
    // would only make the index bigger and slower to keep.
    constexpr unsigned char kMostRepeats = 3;
    const quint64 pass = stemmer().nextText();
    std::string out;
    out.reserve(utf8.size() / 4);
    forEachStem(utf8, [&](Stemmer::Stem& s) {
        if (s.pass != pass) {
            s.pass = pass;
            s.uses = 0;
        }
        if (s.uses == kMostRepeats)
            return;
        ++s.uses;
        if (!out.empty())
            out += ' ';
        out += s.text;
    });
    return out;
}

std::vector<std::string> stems(const QString& text)
{
    stemmer().nextText();
    const QByteArray utf8 = text.toUtf8();
    std::vector<std::string> out;
    forEachStem(std::string_view(utf8.constData(), size_t(utf8.size())), [&out](const Stemmer::Stem& s) {
        if (std::find(out.begin(), out.end(), s.text) == out.end())
            out.push_back(s.text);
    });
    return out;
}

bool holdsEveryStem(std::string_view stemmedWords, const std::vector<std::string>& wanted)
{
    std::vector<bool> found(wanted.size(), false);
    size_t left = wanted.size();
    size_t start = 0;
    while (left > 0 && start <= stemmedWords.size()) {
        size_t end = stemmedWords.find(' ', start);
        if (end == std::string_view::npos)
            end = stemmedWords.size();
        const std::string_view word = stemmedWords.substr(start, end - start);
        for (size_t k = 0; k < wanted.size(); ++k) {
            if (!found[k] && word == wanted[k]) {
                found[k] = true;
                --left;
            }
        }
        start = end + 1;
    }
    return left == 0;
}

namespace {

std::string_view utf8Arg(sqlite3_value* v)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(v))) : std::string_view();
}

std::vector<std::string> blankSeparated(std::string_view list)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(' ', start);
        if (end == std::string_view::npos)
            end = list.size();
        if (end > start)
            items.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

// tarvenor_title_has(title, words): the folded title holds every folded
// word (blank-separated) anywhere. One call however many words a keyword has.
void sqlTitleHas(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const std::string_view title = utf8Arg(argv[0]);
    const QString folded = foldRomanian(QString::fromUtf8(title.data(), qsizetype(title.size())));
    for (const std::string& w : blankSeparated(utf8Arg(argv[1]))) {
        if (!folded.contains(foldRomanian(QString::fromStdString(w)))) {
            sqlite3_result_int(ctx, 0);
            return;
        }
    }
    sqlite3_result_int(ctx, 1);
}

void sqlTextHas(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const std::vector<std::string> wanted = blankSeparated(utf8Arg(argv[2]));
    std::string both = stemmedText(utf8Arg(argv[0]));
    both += ' ';
    both += stemmedText(utf8Arg(argv[1]));
    sqlite3_result_int(ctx, holdsEveryStem(both, wanted) ? 1 : 0);
}

} // namespace

void registerSqlFunctions(sqlite3* db)
{
    sqlite3_create_function_v2(db, "tarvenor_title_has", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlTitleHas,
                               nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tarvenor_text_has", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlTextHas,
                               nullptr, nullptr, nullptr);
}

} // namespace TextFold
