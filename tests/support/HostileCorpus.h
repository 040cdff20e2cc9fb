#pragma once

// Texts a user might type or paste that break naive statement building,
// pattern matching or text encoding. Shared by every test that feeds user
// text through the store or the window.

#include <QString>
#include <vector>

struct HostileText {
    const char* name;
    QString value;
};

// The characters that `like` patterns treat specially; a test that wants a
// value found literally by `like` escapes these with brackets.
inline bool isJetWildcard(QChar c)
{
    return c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('[');
}

// The value as a `like` pattern that matches exactly the value itself.
inline QString jetLiteralPattern(const QString& value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (isJetWildcard(c)) {
            out += QLatin1Char('[');
            out += c;
            out += QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

inline std::vector<HostileText> hostileCorpus()
{
    auto u16 = [](std::initializer_list<char16_t> units) {
        QString s;
        for (char16_t u : units)
            s += QChar(u);
        return s;
    };
    QString controls;
    for (char16_t c = 1; c < 0x20; ++c)
        controls += QChar(c);
    controls += QChar(0x7f);

    QString megabyte;
    megabyte.reserve(1 << 20);
    const QString chunk = QStringLiteral("Art. 1 - Contractul d'închiriere; ");
    while (megabyte.size() < (1 << 20))
        megabyte += chunk;
    megabyte.truncate(1 << 20);

    return {
        {"empty", QString()},
        {"apostrophe", QStringLiteral("d'Arc")},
        {"apostrophes only", QStringLiteral("''''")},
        {"double quotes", QStringLiteral("\"Ministerul\" \"de\" \"Interne\"")},
        {"semicolon", QStringLiteral("termen; apoi altul;")},
        {"line comment", QStringLiteral("ora 10 -- sala 3")},
        {"block comment", QStringLiteral("nota /* nu */ aici")},
        {"drop table", QStringLiteral("'; drop table agenda; --")},
        {"or always true", QStringLiteral("x' or '1'='1")},
        {"union select", QStringLiteral("' union select * from Acte --")},
        {"asterisk", QStringLiteral("*")},
        {"question mark", QStringLiteral("cine?")},
        {"hash", QStringLiteral("dosar #12")},
        {"open bracket", QStringLiteral("[")},
        {"bracket set", QStringLiteral("[!a-z]")},
        {"percent", QStringLiteral("50%")},
        {"underscore", QStringLiteral("a_b")},
        {"backslash", QStringLiteral("C:\\dosare\\2007\\")},
        {"backslash quote", QStringLiteral("\\'")},
        {"sql keywords", QStringLiteral("select delete from where like escape")},
        {"placeholder", QStringLiteral("? ?1 :a @b $c")},
        {"nul inside", QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
        {"nul only", QString(QChar(0))},
        {"control characters", controls},
        {"line breaks", QStringLiteral("rand 1\rrand 2\nrand 3\r\n")},
        {"tab", QStringLiteral("\tindentat")},
        {"lone high surrogate", QStringLiteral("a") + u16({0xD800}) + QStringLiteral("b")},
        {"lone low surrogate", QStringLiteral("a") + u16({0xDC00}) + QStringLiteral("b")},
        {"reversed surrogates", u16({0xDC00, 0xD800})},
        {"surrogate at end", QStringLiteral("sfarsit") + u16({0xD83D})},
        {"astral character", QStringLiteral("sigiliu \U0001F4DC")},
        {"right to left", QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627")},
        {"direction overrides", QStringLiteral("\u202Eabc\u202C \u200F\u200E")},
        {"combining marks", QStringLiteral("a\u0306 s\u0326 t\u0327 i\u0302\u0301")},
        {"leading byte order mark", QStringLiteral("\uFEFFinceput")},
        {"zero width", QStringLiteral("a\u200Bb\uFEFFc")},
        {"romanian diacritics", QStringLiteral("Ăă Ââ Îî Șș Țț Şş Ţţ")},
        {"romanian sentence", QStringLiteral("Hotărârea Guvernului privind înființarea și funcționarea")},
        {"replacement character", QStringLiteral("\uFFFD")},
        {"noncharacters", u16({0xFFFE, 0xFFFF})},
        {"long line", QString(4000, QLatin1Char('x'))},
        {"one megabyte", megabyte},
    };
}
