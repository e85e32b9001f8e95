// Calendar arithmetic relative to a base date, by the Gregorian leap rule.
#include <climits>

#include "core/calendar.h"
#include "core/checks.h"
#include "session/globals.h"
#include "core/messages.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

bool baseDefined(const Globals& g) {
    if (g.util.baseDefined) return true;
    warnText(101, "no base date is defined with basdat");
    return false;
}

}  // namespace

void basdat(int day, int month, int year) {
    Globals* g = jqqlev(0, 3, "basdat");
    if (!g || jqqdat(day, month, year)) return;
    g->util.baseDay = day;
    g->util.baseMonth = month;
    g->util.baseYear = year;
    g->util.baseDayOfYear = dayOfYear(day, month, year);
    g->util.baseDefined = 1;
}

int incdat(int day, int month, int year) {
    Globals* g = jqqlev(0, 3, "incdat");
    if (!g) return 0;
    const bool badDate = jqqdat(day, month, year) != 0;
    if (!baseDefined(*g) || badDate) return 0;
    const UtilityState& u = g->util;
    return clampToInt(serialDay(day, month, year) - serialDay(u.baseDay, u.baseMonth, u.baseYear));
}

void trfdat(int dayNumber, int& day, int& month, int& year) {
    Globals* g = jqqlev(0, 3, "trfdat");
    if (!g || !baseDefined(*g)) return;
    dateAfter(g->util.baseYear, g->util.baseDayOfYear, dayNumber, day, month, year);
}

int nwkday(int day, int month, int year) {
    if (!jqqlev(0, 3, "nwkday") || jqqdat(day, month, year)) return 0;
    return weekdayOf(day, month, year);
}

}  // namespace vtx
