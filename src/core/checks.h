// Level check and the small argument checks every routine uses.
#pragma once

#include "core/core_record.h"

namespace vtx {

// Largest side in pixels of a window or picture (winsiz, window, imgsiz): a
// raster of that size already holds a gigabyte of pixels.
constexpr int kMaxPictureSide = 32768;

inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// The record if the current level lies in [minLevel, maxLevel]; otherwise
// warning 3 with the level and null. Creates the record on first use and
// records `name` as the running routine. The routines above the core use
// jqqlev, the same check returning the complete record.
CoreRecord* coreLevel(int minLevel, int maxLevel, const char* name);

// Lenient form for parameter routines: warns outside levels 1..3 but
// returns the record all the same, so the value is stored in every case.
CoreRecord* coreChkini(const char* name);

// |value| limited to `limit`, defined for every int (INT_MIN included):
// counts of rings and copies that user numbers ask for.
inline int boundedMagnitude(int value, int limit) {
    const long long m = value < 0 ? -static_cast<long long>(value) : value;
    return static_cast<int>(m < limit ? m : limit);
}

// A 64-bit result brought back into the int range.
inline int clampToInt(long long v) {
    return static_cast<int>(v < -2147483647LL - 1 ? -2147483647LL - 1 : v > 2147483647LL ? 2147483647LL : v);
}

// The nearest int of a float, limited to the int range (NaN gives 0): the
// conversion of coordinates computed from user numbers.
inline int roundToInt(double v) {
    if (!(v > -2147483648.0)) return v != v ? 0 : -2147483647 - 1;
    if (v >= 2147483647.0) return 2147483647;
    return static_cast<int>(v < 0 ? -static_cast<long long>(0.5 - v) : static_cast<long long>(v + 0.5));
}

// Largest side of a page in plot units (100 m at the default unit): plot
// coordinates are floats, and a page's lines, dashes and ticks must stay
// countable.
constexpr int kMaxPageSide = 1000000;

// 0 if low <= value <= high, else warning 2 with the value and 1.
// An upper bound below the lower bound means there is no upper bound.
int jqqval(int value, int low, int high);

// 1-based index of `keyword` in the '+'-joined list of `count` four-character
// entries, matched on its first four characters regardless of case; 0 and
// warning 2 with the keyword if none matches.
int jqqind(const char* list, int count, const char* keyword);

// As jqqind but silent: for internal look-ups that must not warn.
int keywordIndex(const char* list, int count, const char* keyword);

// Upper-cases the letters a-z of a NUL-terminated string in place.
void upstr(char* s);

// 0 if the date is valid, else warning 2 with the offending value and 1.
int jqqdat(int day, int month, int year);

// 1 for a leap year of the Gregorian calendar.
int jqqyea(int year);

// Copies at most n characters of src and always appends a NUL; returns the count.
int qqcopy(char* dst, const char* src, int n);

}  // namespace vtx
