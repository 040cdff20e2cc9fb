#pragma once

#include "store/UserError.h"

// A failure of the store, with the engine's result code where there is one.
class StoreError : public UserError {
public:
    explicit StoreError(const QString& message, int engineCode = 0) : UserError(message), m_code(engineCode) {}
    int engineCode() const { return m_code; }

private:
    int m_code;
};

// Romanian text for an engine failure, with the engine's own words appended.
QString describeStoreFailure(int code, const QString& engineMessage);
