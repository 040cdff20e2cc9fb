#pragma once

#include <QString>
#include <QStringList>

struct AppContext;

// Adding and editing agenda events on the event panel.
class EventEditor {
public:
    explicit EventEditor(AppContext& ctx) : m_ctx(ctx) {}

    void LoadEventTypes();
    void tipev_Click();
    // "Adauga" under day view 1, 2 or 3.
    void openForDay(int day);
    void Label26_Click();
    // Double-click on day view 1, 2 or 3.
    void openEvent(int view);
    void modif_Click();

    // The two halves of LoadEventTypes, which some handlers run apart: the
    // combo is emptied first and filled only after other steps.
    static void clearTypeList(AppContext& ctx);
    // Returns the name of the type whose id is wantedId, or a null text when
    // no listed type has it.
    static QString fillTypeList(AppContext& ctx, const QString& wantedId = QString());

    static QString noTypeChosenMessage() { return QStringLiteral("Alegeti tipul evenimentului."); }
    static QString unknownTypeMessage() { return QStringLiteral("Tipul de eveniment nu exista."); }

private:
    // Ids of the types with this exact name, in the store's order.
    QStringList typeIdsNamed(const QString& name);

    AppContext& m_ctx;
};
