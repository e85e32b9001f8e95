// Font selection, alphabet registration and the cached scale factors.
#pragma once

#include "session/globals.h"

namespace vtx {

// Registers the six alphabets of the font with that code (STANDARD first),
// clears the scale cache and switches hardware fonts off; base and current
// alphabet stay. Unknown codes change nothing.
void selectFont(Globals& g, int code);

// Registers one alphabet (1..6); see AlphabetRegistration for the reuse rules.
void registerAlphabet(Globals& g, int alphabet, const AlphabetRegistration& reg);

// Scale factors of alphabet 1..6 at the current height and the string's
// width ratio, spacing and fixed pitch; computed once and cached.
const AlphabetScale& alphabetScale(Globals& g, int alphabet);

void clearScaleCache(Globals& g);

// The text defaults of a new plot, and the default font.
void resetTextDefaults(Globals& g);

}  // namespace vtx
