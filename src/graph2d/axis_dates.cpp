#include "graph2d/axis_dates.h"

#include "core/calendar.h"
#include "core/checks.h"
#include "utilities/utility_state.h"

namespace vtx {

void axisDate(const Globals& g, int dayNumber, int& day, int& month, int& year) {
    dateAfter(g.util.baseYear, g.util.baseDayOfYear, dayNumber, day, month, year);
}

int axisDayNumber(const Globals& g, int day, int month, int year) {
    if (jqqdat(day, month, year)) return 0;
    const UtilityState& u = g.util;
    return clampToInt(serialDay(day, month, year) - serialDay(u.baseDay, u.baseMonth, u.baseYear));
}

int axisWeekday(int day, int month, int year) { return jqqdat(day, month, year) ? 0 : weekdayOf(day, month, year); }

}  // namespace vtx
