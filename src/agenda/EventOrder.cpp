#include "agenda/EventOrder.h"

#include "controls/ListView.h"
#include "shell/ListColumns.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace EventOrder {

int minutesOf(const QString& hour)
{
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2})(?:[:.](\\d{2}))?$"));
    const QRegularExpressionMatch m = time.match(hour.trimmed());
    if (!m.hasMatch())
        return -1;
    const int h = m.captured(1).toInt();
    const int min = m.hasCaptured(2) ? m.captured(2).toInt() : 0;
    if (h > 23 || min > 59)
        return -1;
    return h * 60 + min;
}

void sortByHour(ListView& view)
{
    using Row = std::array<QString, DayColumn::Count>;
    struct Keyed {
        int minutes; // -1 sorts after every time
        qlonglong id;
        Row cells;
    };
    const int count = view.Count();
    std::vector<Keyed> rows;
    rows.reserve(size_t(count));
    for (int r = 0; r < count; ++r) {
        Keyed k{};
        for (int c = 0; c < DayColumn::Count; ++c)
            k.cells[size_t(c)] = view.SubItem(r, c);
        k.minutes = minutesOf(k.cells[DayColumn::Hour]);
        bool numeric = false;
        k.id = k.cells[DayColumn::Id].toLongLong(&numeric);
        if (!numeric)
            k.id = r; // keep the store's order for an id that is no number
        rows.push_back(std::move(k));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Keyed& a, const Keyed& b) {
        const bool aTime = a.minutes >= 0, bTime = b.minutes >= 0;
        if (aTime != bTime)
            return aTime;
        if (a.minutes != b.minutes)
            return a.minutes < b.minutes;
        return a.id < b.id;
    });
    for (int r = 0; r < count; ++r)
        for (int c = 0; c < DayColumn::Count; ++c)
            view.SetSubItem(r, c, rows[size_t(r)].cells[size_t(c)]);
}

} // namespace EventOrder
