#pragma once

#include <QByteArray>

// A control word: its letters (at most 32 kept), and its number when it has one.
struct RtfWord {
    char name[33] = {0};
    bool hasParam = false;
    long long param = 0;
};

struct RtfToken {
    enum class Kind {
        End,        // no more input
        GroupStart, // {
        GroupEnd,   // }
        Word,       // \letters with an optional number
        Symbol,     // \ and one other character, except \'
        HexByte,    // \' and two hex digits
        Byte,       // any other byte of text, line ends excepted
    };
    Kind kind = Kind::End;
    char symbol = 0; // Symbol: the character after the backslash
    uchar byte = 0;  // HexByte and Byte
    RtfWord word;    // Word
};

// Splits RTF into tokens. Every byte is looked at once, whether it is read as
// a token or passed over by one of the skips.
class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& data) : m_p(data.constData()), m_end(data.constData() + data.size()) {}

    // The next token; the reference holds until the next call.
    const RtfToken& next();
    // Passes over the bytes up to the brace that closes `depth` open groups,
    // minding escaped braces and binary data.
    void skipGroups(int depth);
    // Passes over `n` bytes of binary data, or what is left of the input.
    void skipBinary(long long n);

private:
    void readWord(RtfWord& w);

    const char* m_p;
    const char* m_end;
    RtfToken m_token;
};
