// Reset keywords of the character and text settings, and their defaults
// without a keyword. Included by the session's reset routines only.
#pragma once

#include "core/reset_table.h"
#include "session/globals.h"
#include "text/fonts.h"

namespace vtx {

inline void restoreAngle(Globals& g) { g.text.angle = TextState{}.angle; }
inline void restoreMixChars(Globals& g) { restoreDefault(g.text.mixChars, TextState{}.mixChars); }

inline const ResetRow<Globals> kTextResets[] = {
    {"ANGL", restoreAngle, true},
    {"BASA", [](Globals& g) { g.text.baseAlphabet = TextState{}.baseAlphabet; }, true},
    {"CHAA", [](Globals& g) { g.text.slant = TextState{}.slant; }, true},
    {"CHAS", [](Globals& g) { g.text.spacing = TextState{}.spacing; }, true},
    {"CHAW", [](Globals& g) { g.text.widthFactor = TextState{}.widthFactor; }, true},
    {"EUSH", [](Globals& g) { g.text.euShift = TextState{}.euShift; }, true},
    {"FIXS", [](Globals& g) { g.text.fixedPitch = TextState{}.fixedPitch, g.text.fixedOn = TextState{}.fixedOn; }, true},
    {"FRME", [](Globals& g) { g.text.frameThickness = TextState{}.frameThickness; }, true},
    {"HEIG", [](Globals& g) { g.text.height = defaultLength(g, TextState{}.height); }, true},
    {"IANG", restoreAngle, true},
    {"LINS", [](Globals& g) { g.text.lineSpacing = TextState{}.lineSpacing; }, true},
    {"MIXA", [](Globals& g) { g.text.mixAlphabet = TextState{}.mixAlphabet; }, true},
    {"NEWM", restoreMixChars, true},
    {"NUMF", [](Globals& g) { g.text.numberFormat = TextState{}.numberFormat; }, true},
    {"NUMO", [](Globals& g) { restoreDefault(g.text.numberMode, TextState{}.numberMode); }, true},
    {"SETB", [](Globals& g) { g.text.expShift = TextState{}.expShift; }, true},
    {"SETE", [](Globals& g) { g.text.expSize = TextState{}.expSize; }, true},
    {"SETM", restoreMixChars, true},
    {"SHDC", [](Globals& g) { g.text.shadeChars = TextState{}.shadeChars; }, true},
    {"SMXA", [](Globals& g) {
         const TextState d;
         restoreDefault(g.text.mixSlots, d.mixSlots);
         restoreDefault(g.text.mixShiftIn, d.mixShiftIn);
         restoreDefault(g.text.mixShiftOut, d.mixShiftOut);
     }, true},
    {"SYMR", [](Globals& g) { g.text.symbolAngle = TextState{}.symbolAngle; }, true},
};

inline void restoreTextUnnamed(Globals& g) {
    g.text.frameColour = TextState{}.frameColour;
    resetTextDefaults(g);
    g.text.symbolHeight = defaultLength(g, TextState{}.symbolHeight);
}

}  // namespace vtx
