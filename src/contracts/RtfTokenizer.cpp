#include "contracts/RtfTokenizer.h"

#include <algorithm>
#include <cstring>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

const RtfToken& RtfTokenizer::next()
{
    using Kind = RtfToken::Kind;
    for (;;) {
        if (m_p >= m_end) {
            m_token.kind = Kind::End;
            return m_token;
        }
        const char c = *m_p++;
        if (c == '{' || c == '}') {
            m_token.kind = c == '{' ? Kind::GroupStart : Kind::GroupEnd;
            return m_token;
        }
        if (c == '\r' || c == '\n')
            continue; // line ends in the file are no text
        if (c != '\\') {
            m_token.kind = Kind::Byte;
            m_token.byte = uchar(c);
            return m_token;
        }
        if (m_p >= m_end)
            continue; // a lone backslash at the end
        const char s = *m_p;
        if (isLetter(s)) {
            m_token.kind = Kind::Word;
            readWord(m_token.word);
            return m_token;
        }
        ++m_p;
        if (s != '\'') {
            m_token.kind = Kind::Symbol;
            m_token.symbol = s;
            return m_token;
        }
        if (m_end - m_p >= 2 && hexValue(m_p[0]) >= 0 && hexValue(m_p[1]) >= 0) {
            m_token.kind = Kind::HexByte;
            m_token.byte = uchar(hexValue(m_p[0]) * 16 + hexValue(m_p[1]));
            m_p += 2;
            return m_token;
        }
        // A \' without two hex digits is dropped; what follows is read as usual.
    }
}

// Letters, an optional signed number and the one space that may end the word.
void RtfTokenizer::readWord(RtfWord& w)
{
    w = RtfWord();
    int n = 0;
    while (m_p < m_end && isLetter(*m_p)) {
        if (n < 32)
            w.name[n++] = *m_p;
        ++m_p;
    }
    bool negative = false;
    if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && isDigit(m_p[1])) {
        negative = true;
        ++m_p;
    }
    int digits = 0;
    while (m_p < m_end && isDigit(*m_p)) {
        if (digits < 10)
            w.param = w.param * 10 + (*m_p - '0');
        ++digits;
        ++m_p;
    }
    if (digits > 0) {
        w.hasParam = true;
        if (negative)
            w.param = -w.param;
    }
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
}

void RtfTokenizer::skipGroups(int depth)
{
    RtfWord w;
    while (m_p < m_end && depth > 0) {
        const char c = *m_p++;
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (c == '\\' && m_p < m_end) {
            if (isLetter(*m_p)) {
                readWord(w);
                if (std::strcmp(w.name, "bin") == 0 && w.param > 0)
                    skipBinary(w.param);
            } else {
                ++m_p;
            }
        }
    }
}

void RtfTokenizer::skipBinary(long long n)
{
    m_p += std::min<long long>(n, m_end - m_p);
}
