// Gregorian calendar arithmetic on plain dates: no state and no messages, so
// that both the date routines and the date axes can use it.
#pragma once

namespace vtx {

bool isLeapYear(long long year);

// Day of the year, 1 for 1 January.
int dayOfYear(int day, int month, int year);

// Days from a fixed origin to the date; only differences are meaningful.
long long serialDay(int day, int month, int year);

// The date `offset` days after day `baseDayOfYear` of `baseYear`.
void dateAfter(int baseYear, int baseDayOfYear, int offset, int& day, int& month, int& year);

// Weekday of a date: 1 Monday ... 7 Sunday.
int weekdayOf(int day, int month, int year);

// A long count clamped into int.
int clampToInt(long long v);

}  // namespace vtx
