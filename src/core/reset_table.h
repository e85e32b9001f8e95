// The shape of a subsystem's reset table: every subsystem lists the reset
// keywords of its own parameters next to its code, and the session walks the
// tables for reset and resall.
#pragma once

#include <cmath>
#include <cstring>
#include <type_traits>

#include "core/core_record.h"

namespace vtx {

template <class Record>
struct ResetRow {
    char key[5];                  // first four letters of the setting routine
    void (*restore)(Record&);
    // false: resall leaves the setting alone (level-0 settings) or sets it
    // otherwise (the colour table load restores the colour settings)
    bool inResall;
};

// A default length in plot units of the default unit, kept physical: divided
// by the unit factor.
inline int defaultLength(const CoreRecord& g, int value) { return int(std::lround(value / g.out.unitFactor)); }

// Sets a field, arrays included, to the value its struct is initialised with.
template <class T>
void restoreDefault(T& field, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>, "only plain fields are restored by copying");
    if constexpr (std::is_array_v<T>)
        std::memcpy(&field, &value, sizeof field);
    else
        field = value;
}

}  // namespace vtx
