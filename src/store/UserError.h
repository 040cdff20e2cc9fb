#pragma once

#include <QString>
#include <stdexcept>

// A failure the user must be told about, carrying its message ready to show
// as it is. The window catches these in one place and shows the message.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
