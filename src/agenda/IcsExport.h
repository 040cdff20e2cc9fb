#pragma once

#include <QString>

struct AppContext;

// Writes the whole agenda as an iCalendar file that phone and desktop
// calendars import; importing it again updates the events rather than doubling them.
class IcsExport {
public:
    explicit IcsExport(AppContext& ctx) : m_ctx(ctx) {}

    // Asks for the file, then exports.
    void exportics_Click();
    // Writes every event to `path` and tells the user how it went.
    void ExportAgenda(const QString& path);

    // This agenda's own random id, part of every event's UID.
    QString agendaId();

private:
    AppContext& m_ctx;
};
