// Shielding state: the region buffer and the automatic shielding groups.
#pragma once

#include <cstdint>

namespace vtx {

constexpr int kShieldWords = 1000;

// Groups under which regions are registered; 0 is the user's own calls.
enum ShieldGroup { kShieldUser = 0, kShieldText = 1, kShieldSymbols, kShieldBars, kShieldPies, kShieldLegends };

struct ShieldState {
    int16_t words[kShieldWords] = {};  // region records one after another
    int used = 0;                      // words in use
    int regions = 0;                   // regions defined
    int userRegions = 0;               // regions of group 0
    int nextId = 0;                    // running region ID counter
    int group = 0;                     // group of regions being registered
    int autoFlags[6] = {};             // per group 1..5: register the objects drawn
    int surface = 0;                   // shlsur: surfaces protect what they draw
    int suspended = 0;                 // frames around regions are drawn unprotected
    int lastEndHidden = 0;             // the device pen is not at the next segment's start
};

}  // namespace vtx
