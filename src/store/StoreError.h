#pragma once

#include <QString>
#include <stdexcept>

// A failure of the store, carrying a message the user can be shown as it is.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message, int engineCode = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_code(engineCode)
    {
    }
    const QString& message() const { return m_message; }
    int engineCode() const { return m_code; }

private:
    QString m_message;
    int m_code;
};

// Romanian text for an engine failure, with the engine's own words appended.
QString describeStoreFailure(int code, const QString& engineMessage);
