#pragma once

// Texts a user might type or paste that break naive statement building,
// pattern matching or text encoding; shared by the store's and the window's tests.

#include <QString>
#include <QTest>
#include <vector>

struct HostileText {
    const char* name;
    QString value;
};

// The value as a `like` pattern that matches exactly the value itself: the
// pattern's special characters go inside brackets.
inline QString jetLiteralPattern(const QString& value)
{
    QString out;
    for (const QChar c : value)
        out += QStringLiteral("*?#[").contains(c) ? QString(QLatin1Char('[') + c + QLatin1Char(']')) : QString(c);
    return out;
}

inline std::vector<HostileText> hostileCorpus()
{
    QString controls;
    for (char16_t c = 1; c < 0x20; ++c)
        controls += QChar(c);
    controls += QChar(0x7f);
    const QString megabyte = QStringLiteral("Art. 1 - Contractul d'închiriere; ").repeated(32000).left(1 << 20);
    const QChar high(0xD800), low(0xDC00);
    return {
        {"empty", QString()},
        {"apostrophe", QStringLiteral("d'Arc")},
        {"apostrophes only", QStringLiteral("''''")},
        {"double quotes", QStringLiteral("\"Ministerul\" \"de\" \"Interne\"")},
        {"semicolon", QStringLiteral("termen; apoi altul;")},
        {"comments", QStringLiteral("ora 10 -- sala 3 /* nu */")},
        {"drop table", QStringLiteral("'; drop table agenda; --")},
        {"or always true", QStringLiteral("x' or '1'='1")},
        {"union select", QStringLiteral("' union select * from Acte --")},
        {"wildcards", QStringLiteral("* cine? dosar #12")},
        {"open bracket", QStringLiteral("[")},
        {"bracket set", QStringLiteral("[!a-z]")},
        {"engine wildcards", QStringLiteral("50% a_b")},
        {"backslashes", QStringLiteral("C:\\dosare\\2007\\ \\'")},
        {"placeholders", QStringLiteral("? ?1 :a @b $c")},
        {"nul inside", QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
        {"nul only", QString(QChar(0))},
        {"control characters", controls},
        {"line breaks", QStringLiteral("rand 1\rrand 2\nrand 3\r\n\tindentat")},
        {"lone surrogates", QStringLiteral("a") + high + QStringLiteral("b") + low + QStringLiteral("c")},
        {"reversed surrogates", QString(low) + high},
        {"surrogate at end", QStringLiteral("sfarsit") + QChar(0xD83D)},
        {"astral character", QStringLiteral("sigiliu \U0001F4DC")},
        {"right to left", QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 \u202Eabc\u202C")},
        {"combining marks", QStringLiteral("a\u0306 s\u0326 t\u0327 i\u0302\u0301")},
        {"byte order mark and zero width", QStringLiteral("\uFEFFinceput a\u200Bb\uFEFFc")},
        {"romanian", QStringLiteral("Hotărârea privind înființarea: Ăă Ââ Îî Șș Țț Şş Ţţ")},
        {"replacement and noncharacters", QStringLiteral("\uFFFD") + QChar(0xFFFE) + QChar(0xFFFF)},
        {"long line", QString(4000, QLatin1Char('x'))},
        {"one megabyte", megabyte},
    };
}

// One data row per hostile text, in the column "value".
inline void addHostileRows()
{
    QTest::addColumn<QString>("value");
    for (const HostileText& h : hostileCorpus())
        QTest::newRow(h.name) << h.value;
}
