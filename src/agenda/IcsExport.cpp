#include "agenda/IcsExport.h"

#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <libical/ical.h>

#include <memory>

namespace {

const char* const kZone = "Europe/Bucharest";

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The hour as typed reads as a time of day: H:MM, HH:MM, H.MM or HH.
bool readTime(const QString& hour, int& h, int& m)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})(?:[:.](\\d{2}))?$"));
    const QRegularExpressionMatch match = form.match(hour.trimmed());
    if (!match.hasMatch())
        return false;
    h = match.captured(1).toInt();
    m = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    return h < 24 && m < 60;
}

icaltimetype dateTime(const QDate& d, int h, int m, bool isDate)
{
    icaltimetype t = icaltime_null_time();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    t.is_date = isDate ? 1 : 0;
    if (!isDate) {
        t.hour = h;
        t.minute = m;
    }
    return t;
}

// One transition rule of the zone: the last Sunday of `month` at `hour`.
icalcomponent* zoneRule(bool daylight, int month, int hour, int fromHours, int toHours, const char* name)
{
    icalcomponent* part = daylight ? icalcomponent_new_xdaylight() : icalcomponent_new_xstandard();
    icaltimetype start = icaltime_null_time();
    start.year = 1997; // the present rules hold since then
    start.month = month;
    start.day = month == 3 ? 30 : 26; // the last Sundays of March and October 1997
    start.hour = hour;
    icalcomponent_add_property(part, icalproperty_new_dtstart(start));
    icalcomponent_add_property(part, icalproperty_new_tzoffsetfrom(3600 * fromHours));
    icalcomponent_add_property(part, icalproperty_new_tzoffsetto(3600 * toHours));
    icalcomponent_add_property(part, icalproperty_new_tzname(name));
    icalrecurrencetype rule = icalrecurrencetype_from_string(
        QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYDAY=-1SU").arg(month).toLatin1().constData());
    icalcomponent_add_property(part, icalproperty_new_rrule(rule));
    return part;
}

// The zone of every timed event, written out so the file does not rely on the
// reader's own zone database.
icalcomponent* bucharestZone()
{
    icalcomponent* zone = icalcomponent_new_vtimezone();
    icalcomponent_add_property(zone, icalproperty_new_tzid(kZone));
    icalcomponent_add_component(zone, zoneRule(false, 10, 4, 3, 2, "EET"));
    icalcomponent_add_component(zone, zoneRule(true, 3, 3, 2, 3, "EEST"));
    return zone;
}

icalproperty* withZone(icalproperty* p)
{
    icalproperty_add_parameter(p, icalparameter_new_tzid(kZone));
    return p;
}

} // namespace

QString IcsExport::agendaId()
{
    // Kept in the database, so a copy of the database keeps its event ids and
    // two offices' files never collide. A database made before the table
    // existed gets it here, the one table the program itself ever creates,
    // and only on the first export.
    const bool tableExists = m_ctx.db.hasTable(QStringLiteral("agenda_uid"));
    if (tableExists) {
        m_ctx.db.RunSql(QStringLiteral("select uid from agenda_uid"), true);
        Recordset& rs = m_ctx.db.CurrentRs();
        if (!rs.Eof() && !rs.Text(QStringLiteral("uid")).trimmed().isEmpty())
            return rs.Text(QStringLiteral("uid")).trimmed();
    }
    QString id;
    for (int i = 0; i < 4; ++i)
        id += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    modDB::Transaction tx(m_ctx.db);
    if (!tableExists)
        m_ctx.db.RunSql(QStringLiteral("create table agenda_uid (uid text not null)"), false);
    m_ctx.db.RunSql(
        QStringLiteral("insert into agenda_uid (uid) values ('") + SqlLiteral::text(id) + QStringLiteral("')"), false);
    tx.commit();
    return id;
}

void IcsExport::exportics_Click()
{
    const QString path =
        m_ctx.dialogs->saveFile(m_ctx.window, QStringLiteral("Exporta agenda"),
                                QDir::homePath() + QStringLiteral("/agenda.ics"), QStringLiteral("Calendar (*.ics)"));
    if (!path.isEmpty())
        ExportAgenda(path);
}

void IcsExport::ExportAgenda(const QString& path)
{
    const QString uidStem = agendaId();
    Component cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Tarvenor 2007//Agenda//RO"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_component(cal.get(), bucharestZone());
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());

    // Events whose type is gone are still the user's events: they go out
    // with a plain summary.
    m_ctx.db.RunSql(QStringLiteral("select a.id, a.data, a.ora, a.coment, b.tipeveniment from agenda a "
                                   "left join tip_eveniment b on a.tipeveniment = b.id order by a.id"),
                    true);
    int written = 0, undated = 0;
    for (Recordset& rs = m_ctx.db.CurrentRs(); !rs.Eof(); rs.MoveNext()) {
        const QDate day = m_ctx.dates.fromText(rs.Text(QStringLiteral("data")));
        if (!day.isValid()) {
            ++undated;
            continue;
        }
        const QString hour = rs.Text(QStringLiteral("ora")).trimmed();
        QString summary = rs.Text(QStringLiteral("tipeveniment")).trimmed();
        if (summary.isEmpty())
            summary = QStringLiteral("Eveniment");
        int h = 0, m = 0;
        const bool atTime = readTime(hour, h, m);
        if (!atTime && !hour.isEmpty())
            summary += QStringLiteral(" (") + hour + QLatin1Char(')');

        icalcomponent* ev = icalcomponent_new_vevent();
        const QByteArray uid = (QStringLiteral("agenda-") + rs.Text(QStringLiteral("id")) + QLatin1Char('-') + uidStem +
                                QStringLiteral("@tarvenor"))
                                   .toUtf8();
        icalcomponent_add_property(ev, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(ev, icalproperty_new_dtstamp(stamp));
        if (atTime) {
            const QDateTime end = QDateTime(day, QTime(h, m)).addSecs(3600);
            icalcomponent_add_property(ev, withZone(icalproperty_new_dtstart(dateTime(day, h, m, false))));
            icalcomponent_add_property(ev, withZone(icalproperty_new_dtend(
                                               dateTime(end.date(), end.time().hour(), end.time().minute(), false))));
        } else {
            icalcomponent_add_property(ev, icalproperty_new_dtstart(dateTime(day, 0, 0, true)));
            icalcomponent_add_property(ev, icalproperty_new_dtend(dateTime(day.addDays(1), 0, 0, true)));
        }
        icalcomponent_add_property(ev, icalproperty_new_summary(summary.toUtf8().constData()));
        const QString comment = rs.Text(QStringLiteral("coment"));
        if (!comment.isEmpty())
            icalcomponent_add_property(ev, icalproperty_new_description(comment.toUtf8().constData()));
        icalcomponent_add_component(cal.get(), ev);
        ++written;
    }

    char* text = icalcomponent_as_ical_string_r(cal.get());
    const QByteArray bytes(text ? text : "");
    icalmemory_free_buffer(text);
    // Written beside the target and renamed over it: a failure never leaves
    // half a calendar where the user expects a whole one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_ctx.message(QStringLiteral("Agenda nu a putut fi exportata in %1: %2").arg(path, file.errorString()));
        return;
    }
    QString report = written == 1 ? QStringLiteral("1 eveniment exportat.")
                                  : QStringLiteral("%1 evenimente exportate.").arg(written);
    if (undated == 1)
        report += QStringLiteral("\r1 eveniment fara o data recunoscuta nu a fost exportat.");
    else if (undated > 1)
        report += QStringLiteral("\r%1 evenimente fara o data recunoscuta nu au fost exportate.").arg(undated);
    m_ctx.message(report);
}
