#pragma once

#include <QString>

class ShortDate;

// The date typed on the event panel when an event is moved to another day.
namespace EventDate {

// The date in the agenda's own short-date form, or a null text when it is no
// real date ("31.02.2007"). Single-digit days and months are taken too.
QString normalised(const ShortDate& dates, const QString& typed);

// "Data nu este corecta. Scrieti data in forma zz.ll.aaaa." for the form in use.
QString badDateMessage(const ShortDate& dates);

} // namespace EventDate
