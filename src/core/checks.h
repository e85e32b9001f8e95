// Level check and the small argument checks every routine uses.
#pragma once

#include "core/core_record.h"

namespace vtx {

inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// The record if the current level lies in [minLevel, maxLevel]; otherwise
// warning 3 with the level and null. Creates the record on first use and
// records `name` as the running routine. The routines above the core use
// jqqlev, the same check returning the complete record.
CoreRecord* coreLevel(int minLevel, int maxLevel, const char* name);

// Lenient form for parameter routines: warns outside levels 1..3 but
// returns the record all the same, so the value is stored in every case.
CoreRecord* coreChkini(const char* name);

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
