#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <unordered_map>

class QStringDecoder;

// Bytes of a Windows code page as Unicode, through Qt's converters. Code page 0
// and any page Qt has no converter for are read as 1252.
class RtfCodePageDecoder {
public:
    RtfCodePageDecoder();
    ~RtfCodePageDecoder();
    RtfCodePageDecoder(const RtfCodePageDecoder&) = delete;
    RtfCodePageDecoder& operator=(const RtfCodePageDecoder&) = delete;

    // One converter is kept per code page, so a multi-byte character split
    // between two calls still comes through whole.
    QString decode(const QByteArray& bytes, int codePage);

private:
    QStringDecoder* converter(int codePage);

    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_converters;
};

// The code page a font's character set (\fcharset) stands for; 0 when it names
// none, so the document's own code page applies.
int rtfCodePageOfCharset(int charset);
