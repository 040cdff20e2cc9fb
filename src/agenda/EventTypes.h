#pragma once

#include <QString>

struct AppContext;

// The event-type panel: new user-defined event types.
class EventTypes {
public:
    explicit EventTypes(AppContext& ctx) : m_ctx(ctx) {}

    void Label28_Click();

    static QString emptyNameMessage() { return QStringLiteral("Introduceti numele tipului de eveniment."); }
    static QString takenNameMessage() { return QStringLiteral("Exista deja un tip de eveniment cu acest nume."); }

private:
    bool nameTaken(const QString& name);

    AppContext& m_ctx;
};
