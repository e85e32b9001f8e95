#include "core/calendar.h"

#include <climits>

namespace vtx {

namespace {

constexpr long long kDaysPer400Years = 146097;

int monthLength(int month, long long year) {
    static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

int yearLength(long long year) { return isLeapYear(year) ? 366 : 365; }

}  // namespace

bool isLeapYear(long long year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int dayOfYear(int day, int month, int year) {
    for (int m = 1; m < month; ++m) day += monthLength(m, year);
    return day;
}

// Valid dates have years of at least 1000, so plain integer division is a floor.
long long serialDay(int day, int month, int year) {
    long long before = (long long)year - 1;
    return 365 * before + before / 4 - before / 100 + before / 400 + dayOfYear(day, month, year);
}

void dateAfter(int baseYear, int baseDayOfYear, int offset, int& day, int& month, int& year) {
    long long d = (long long)baseDayOfYear + offset;
    long long y = baseYear;
    // Whole 400-year cycles first: they hold a fixed number of days, so the
    // year-by-year walk below stays short for any offset.
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

int weekdayOf(int day, int month, int year) {
    // 5 July 1999 was a Monday.
    long long difference = serialDay(day, month, year) - serialDay(5, 7, 1999);
    return int(((difference % 7) + 7) % 7) + 1;
}

int clampToInt(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v); }

}  // namespace vtx
