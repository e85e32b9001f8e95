// The calendar of date axes, relative to the base date of basdat, which the
// callers have found defined. Warnings name the routine that draws the axis.
#pragma once

#include "session/globals.h"

namespace vtx {

// The date of a day number.
void axisDate(const Globals& g, int dayNumber, int& day, int& month, int& year);

// The day number of a date; 0 with warning 2 for an invalid date.
int axisDayNumber(const Globals& g, int day, int month, int year);

// 1 Monday ... 7 Sunday; 0 with warning 2 for an invalid date.
int axisWeekday(int day, int month, int year);

}  // namespace vtx
