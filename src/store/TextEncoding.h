#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// How text values reach the database file. The file keeps UTF-8 and its text
// functions stop at a NUL, so two things cannot be kept exactly: a NUL
// character and a UTF-16 surrogate without its partner. Each such unit is
// stored as U+FFFD (the replacement character); every other character is kept
// as it is. The same rule applies to values compared against, so a text is
// always found again by the value it was stored with.
namespace TextEncoding {

inline constexpr char16_t kReplacement = 0xFFFD;

// The text as the file will give it back.
QString storedForm(QStringView value);

// The UTF-8 bytes written for the value.
QByteArray toStoreUtf8(QStringView value);

// Text read from the file. Unlike QString::fromUtf8 it keeps a leading U+FEFF,
// which is part of the value, not a byte order mark.
QString fromStoreUtf8(const char* bytes, qsizetype size);

} // namespace TextEncoding
