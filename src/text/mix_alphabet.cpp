#include "text/mix_alphabet.h"

#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "text/api.h"
#include "text/fonts.h"

namespace vtx {

namespace {

constexpr const char* kMixAlphabets = "STAN+GREE+MATH+ITAL+SCRI+RUSS+INST";
constexpr int kInstAlphabet = 7;
constexpr const char* kMixKeys = "EXP +IND +RES +LEG +TEX ";

void appendInstruction(TextRun& r, char c) {
    if (r.instructionLength < kInstructionLength) r.instruction[r.instructionLength++] = c;
    else r.instruction[kInstructionLength - 1] = c;
}

void runPending(Globals& g) {
    TextRun& r = g.text.run;
    if (r.instructionLength > 0) executeInstruction(g, r.instruction, r.instructionLength);
    r.instructionLength = 0;
}

}  // namespace

bool anyMixSlot(const Globals& g) {
    for (int s : g.text.mixSlots)
        if (s != 0) return true;
    return false;
}

bool mixFilter(Globals& g, int code) {
    TextState& t = g.text;
    TextRun& r = t.run;
    if (!anyMixSlot(g)) return false;
    const char c = static_cast<char>(code);
    if (r.activeSlot < 0) {
        for (int k = 0; k < kMixSlots; ++k) {
            if (t.mixSlots[k] == 0 || t.mixShiftIn[k] != c) continue;
            r.activeSlot = k;
            if (t.mixSlots[k] == kInstAlphabet) r.instructionLength = 0;
            else r.alphabet = t.mixSlots[k];
            return true;
        }
        return false;
    }
    const int slot = r.activeSlot;
    const bool inst = t.mixSlots[slot] == kInstAlphabet;
    if (c == t.mixShiftOut[slot]) {
        if (inst) runPending(g);
        r.alphabet = r.stringAlphabet;
        r.activeSlot = -1;
        return true;
    }
    if (!inst) return false;
    if (c == ' ') return true;
    if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'X' || c == 'x') {
        appendInstruction(r, c);
        return true;
    }
    runPending(g);
    appendInstruction(r, c);
    return true;
}

void mixalf() { chkini("mixalf")->text.mixAlphabet = 1; }

void newmix() {
    Globals* g = chkini("newmix");
    g->text.mixChars[0] = '^';
    g->text.mixChars[1] = '_';
    g->text.mixChars[2] = '%';
}

void setmix(const char* character, const char* keyword) {
    Globals* g = chkini("setmix");
    const int k = jqqind(kMixKeys, 5, keyword);
    if (k == 0) return;
    g->text.mixChars[k - 1] = character[0];
}

std::string getmix(const char* keyword) {
    Globals* g = jqqlev(1, 3, "getmix");
    if (!g) return std::string();
    const int k = jqqind(kMixKeys, 5, keyword);
    if (k == 0) return std::string();
    return std::string(1, g->text.mixChars[k - 1]);
}

void setbas(float factor) { chkini("setbas")->text.expShift = factor; }
void setexp(float factor) { chkini("setexp")->text.expSize = factor; }

void smxalf(const char* alphabet, const char* shiftIn, const char* shiftOut, int slot) {
    Globals* g = chkini("smxalf");
    const int a = jqqind(kMixAlphabets, 7, alphabet);
    const int badSlot = jqqval(slot, 1, kMixSlots);
    if (a == 0 || badSlot != 0) return;
    if (a == g->text.baseAlphabet) {
        warnin(Warning::BaseAlphabetUnusable);
        return;
    }
    g->text.mixSlots[slot - 1] = a;
    g->text.mixShiftIn[slot - 1] = shiftIn[0];
    g->text.mixShiftOut[slot - 1] = shiftOut[0];
}

int gmxalf(const char* alphabet, std::string& shiftIn, std::string& shiftOut) {
    shiftIn = " ";
    shiftOut = " ";
    Globals* g = jqqlev(1, 3, "gmxalf");
    if (!g) return 0;
    const int a = jqqind(kMixAlphabets, 7, alphabet);
    if (a == 0) return 0;
    for (int k = 0; k < kMixSlots; ++k) {
        if (g->text.mixSlots[k] != a) continue;
        shiftIn.assign(1, g->text.mixShiftIn[k]);
        shiftOut.assign(1, g->text.mixShiftOut[k]);
        return k + 1;
    }
    return 0;
}

}  // namespace vtx
