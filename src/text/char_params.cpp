// Character parameters, the input code table, eushft and their requests.
#include <cmath>
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "text/api.h"
#include "text/fonts.h"
#include "text/text_device.h"

namespace vtx {

namespace {

constexpr const char* kAlphabets = "STAN+GREE+MATH+ITAL+SCRI+RUSS";
constexpr const char* kAlphabetNames[kAlphabetCount] = {"STANDARD", "GREEK", "MATHEMATIC",
                                                         "ITALIC", "SCRIPT", "RUSSIAN"};
constexpr const char* kLanguages = "GERM+DANI+SPAN+FREN+ACUT+GRAV+CIRC";

}  // namespace

void height(int h) {
    Globals* g = chkini("height");
    if (jqqval(h, 1, 10000) != 0) return;
    g->text.height = h;
    clearScaleCache(*g);
    if (g->text.hwFont == 1 && g->ctl.level >= 1) psEmitFont(*g);
    reloadPixelFont(*g);
}

void angle(int degrees) { chkini("angle")->text.angle = degrees; }

void chawth(float ratio) {
    Globals* g = chkini("chawth");
    if (!(ratio > 0.0f && ratio <= 2.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->text.widthFactor = ratio;
}

void chaspc(float spacing) { chkini("chaspc")->text.spacing = spacing; }

void chaang(float degrees) {
    Globals* g = chkini("chaang");
    if (!(degrees > -60.0f && degrees < 60.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->text.slant = static_cast<float>(1.0 / std::tan((90.0 - degrees) * 3.14159265358979323846 / 180.0));
}

void fixspc(float factor) {
    Globals* g = chkini("fixspc");
    if (!(factor >= 0.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->text.fixedOn = 1;
    g->text.fixedPitch = factor;
}

void basalf(const char* keyword) {
    Globals* g = chkini("basalf");
    const int a = jqqind(kAlphabets, 6, keyword);
    if (a == 0) return;
    g->text.baseAlphabet = a;
    g->text.run.alphabet = g->text.run.stringAlphabet = a;
}

void chacod(const char* keyword) {
    Globals* g = chkini("chacod");
    const int k = jqqind("STAN+ISO1+ISO2", 3, keyword);
    if (k != 0) g->text.codeTable = k - 1;
}

void shdcha() { chkini("shdcha")->text.shadeChars = 1; }

void linesp(float factor) { chkini("linesp")->text.lineSpacing = factor; }

void eushft(const char* language, const char* character) {
    Globals* g = chkini("eushft");
    const int k = jqqind(kLanguages, kShiftLanguages, language);
    if (k == 0) return;
    TextState& t = g->text;
    if (!t.euShift) {
        std::memset(t.euShiftChars, 0, sizeof t.euShiftChars);
        t.euShift = 1;
    }
    const char c = character[0];
    for (int i = 0; i < kShiftLanguages; ++i) {
        if (i != k - 1 && c != '\0' && t.euShiftChars[i] == c) {
            warnin(Warning::ControlCharactersEqual);
            return;
        }
    }
    t.euShiftChars[k - 1] = c;
}

std::string getshf(const char* language) {
    Globals* g = jqqlev(1, 3, "getshf");
    if (!g) return std::string();
    const int k = jqqind(kLanguages, kShiftLanguages, language);
    if (k == 0 || !g->text.euShift || g->text.euShiftChars[k - 1] == '\0') return std::string();
    return std::string(1, g->text.euShiftChars[k - 1]);
}

std::string getalf() {
    Globals* g = jqqlev(1, 3, "getalf");
    if (!g) return std::string();
    int a = g->text.baseAlphabet;
    if (a < 1 || a > kAlphabetCount) a = 1;
    std::strcpy(g->text.requestBuffer, kAlphabetNames[a - 1]);
    return g->text.requestBuffer;
}

int gethgt() {
    Globals* g = jqqlev(1, 3, "gethgt");
    return g ? g->text.height : 0;
}

int getang() {
    Globals* g = jqqlev(1, 3, "getang");
    return g ? g->text.angle : 0;
}

}  // namespace vtx
