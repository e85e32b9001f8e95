#include "text/fonts.h"

#include "session/globals.h"
#include "text/api.h"

namespace vtx {

void registerAlphabet(Globals& g, int alphabet, const AlphabetRegistration& reg) {
    if (alphabet < 1 || alphabet > kAlphabetCount) return;
    g.text.alphabets[alphabet - 1] = reg;
    g.text.scales[alphabet - 1].valid = false;
}

void clearScaleCache(Globals& g) {
    for (AlphabetScale& s : g.text.scales) s.valid = false;
}

void selectFont(Globals& g, int code) {
    const FontDefinition* f = findFont(code);
    if (!f) return;
    for (AlphabetRegistration& r : g.text.alphabets) r = AlphabetRegistration{};
    clearScaleCache(g);
    for (int a = 0; a < kAlphabetCount; ++a) registerAlphabet(g, a + 1, f->alphabets[a]);
    g.text.font = code;
    g.text.fontKind = f->kind;
    g.text.blankWidth = f->blankWidth;
    g.text.fixedWidth = f->fixedWidth;
    g.text.hwFont = 0;
}

const AlphabetScale& alphabetScale(Globals& g, int alphabet) {
    if (alphabet < 1 || alphabet > kAlphabetCount) alphabet = 1;
    AlphabetScale& s = g.text.scales[alphabet - 1];
    if (s.valid) return s;
    const AlphabetRegistration& r = g.text.alphabets[alphabet - 1];
    const TextRun& run = g.text.run;
    const float h = static_cast<float>(g.text.height);
    s.x = r.unitsX > 0 ? (h - 1.0f) * run.width / r.unitsX : 0.0f;
    s.y = r.unitsY > 0 ? (h - 1.0f) / r.unitsY : 0.0f;
    s.gap = run.fixedOn ? h * run.spacing : (r.spacing + run.spacing) * h;
    s.valid = true;
    return s;
}

void resetTextDefaults(Globals& g) {
    TextState& t = g.text;
    t.justify = 0, t.codeTable = 0, t.texMode = 0, t.texOptions = 1;
    t.numberFormat = 0, t.frameThickness = 0, t.shadeChars = 0;
    t.hwFont = 0, t.psFont[0] = '\0', t.psFontIndex = -1;
    t.fixedOn = 0, t.fixedPitch = 0.0f;
    t.userSymbol = -1, t.userSymbolFill = 0;
    t.userSymbolX.clear(), t.userSymbolY.clear();
    t.run = TextRun{};
    t.run.width = t.widthFactor;
    t.run.startHeight = t.height;
    selectFont(g, 1);
}

// Font selection routines: each keeps the alphabets and parameters as they are.
void vtxalf() { selectFont(*chkini("vtxalf"), 1); }
void complx() { selectFont(*chkini("complx"), 3); }
void simplx() { selectFont(*chkini("simplx"), 4); }
void duplx() { selectFont(*chkini("duplx"), 5); }
void triplx() { selectFont(*chkini("triplx"), 6); }
void gothic() { selectFont(*chkini("gothic"), 7); }
void helve() { selectFont(*chkini("helve"), 11); }
void helves() { selectFont(*chkini("helves"), 12); }
void serif() { selectFont(*chkini("serif"), 14); }

}  // namespace vtx
