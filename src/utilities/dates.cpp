// Calendar arithmetic relative to a base date, by the Gregorian leap rule.
#include <climits>

#include "session/globals.h"
#include "core/messages.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

constexpr long long kDaysPer400Years = 146097;

bool isLeap(long long year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int monthLength(int month, long long year) {
    static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kLengths[month - 1];
}

int yearLength(long long year) { return isLeap(year) ? 366 : 365; }

int dayOfYear(int day, int month, int year) {
    for (int m = 1; m < month; ++m) day += monthLength(m, year);
    return day;
}

// Days from a fixed origin to the date; only differences are used. Valid
// dates have years of at least 1000, so plain integer division is a floor.
long long serialDay(int day, int month, int year) {
    long long before = (long long)year - 1;
    return 365 * before + before / 4 - before / 100 + before / 400 + dayOfYear(day, month, year);
}

bool baseDefined(const Globals& g) {
    if (g.util.baseDefined) return true;
    qqserr("no base date is defined with basdat");
    warnin(101);
    return false;
}

int clampToInt(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v); }

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
    long long d = (long long)g->util.baseDayOfYear + dayNumber;
    long long y = g->util.baseYear;
    // Whole 400-year cycles first: they hold a fixed number of days, so the
    // year-by-year walk below stays short for any day number.
    if (d > kDaysPer400Years) {
        long long cycles = (d - 1) / kDaysPer400Years;
        d -= cycles * kDaysPer400Years, y += 400 * cycles;
    } else if (d < 1) {
        long long cycles = -d / kDaysPer400Years + 1;
        d += cycles * kDaysPer400Years, y -= 400 * cycles;
    }
    while (d > yearLength(y)) d -= yearLength(y++);
    while (d < 1) d += yearLength(--y);
    int m = 1;
    while (d > monthLength(m, y)) d -= monthLength(m++, y);
    day = int(d);
    month = m;
    year = clampToInt(y);
}

int nwkday(int day, int month, int year) {
    if (!jqqlev(0, 3, "nwkday") || jqqdat(day, month, year)) return 0;
    // 5 July 1999 was a Monday.
    long long difference = serialDay(day, month, year) - serialDay(5, 7, 1999);
    return int(((difference % 7) + 7) % 7) + 1;
}

}  // namespace vtx
