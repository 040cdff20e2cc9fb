#pragma once

#include <QString>

// The one place where values are made safe for pasting into statement texts.
namespace SqlLiteral {

// The inside of a single-quoted literal: every quote doubled. The caller writes
// the surrounding quotes, as the statement texts do.
QString text(const QString& value);

// True for an optional sign followed by decimal digits only.
bool isWholeNumber(const QString& value);

// An id pasted bare into a statement; throws StoreError unless it is a whole number.
QString id(const QString& value);

} // namespace SqlLiteral
