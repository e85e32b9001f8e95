// The commands of the instruction alphabet: one letter, then nothing, X
// (back to the default) or a number.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/messages.h"
#include "text/fonts.h"
#include "text/glyph_draw.h"
#include "text/mix_alphabet.h"
#include "text/symbols.h"
#include "text/text_device.h"

namespace vtx {

namespace {

enum class ArgKind { None, Reset, Integer, Decimal, Invalid };

struct Argument {
    ArgKind kind = ArgKind::None;
    float value = 0.0f;
    int integer = 0;
};

Argument parseArgument(const char* s, int n) {
    Argument a;
    if (n == 0) return a;
    if (n == 1 && (s[0] == 'X' || s[0] == 'x')) {
        a.kind = ArgKind::Reset;
        return a;
    }
    char buf[kInstructionLength + 1];
    std::memcpy(buf, s, n);
    buf[n] = '\0';
    int i = 0, digits = 0, points = 0;
    if (buf[i] == '-') ++i;
    for (; buf[i]; ++i) {
        if (buf[i] >= '0' && buf[i] <= '9') ++digits;
        else if (buf[i] == '.') ++points;
        else break;
    }
    if (buf[i] != '\0' || digits == 0 || points > 1) {
        a.kind = ArgKind::Invalid;
        return a;
    }
    a.value = std::strtof(buf, nullptr);
    a.integer = static_cast<int>(std::lround(a.value));
    a.kind = points ? ArgKind::Decimal : ArgKind::Integer;
    return a;
}

void warnInstruction(Warning w, const char* text, int n) {
    char buf[kInstructionLength + 1];
    std::memcpy(buf, text, n);
    buf[n] = '\0';
    warnc1(w, buf);
}

void directionOf(const Globals& g, float& sn, float& cs) {
    const double a = g.text.angle * 3.14159265358979323846 / 180.0;
    sn = static_cast<float>(std::sin(a));
    cs = static_cast<float>(std::cos(a));
}

// Pen at a distance from the start point along the base line.
void penAt(Globals& g, float distance) {
    float sn, cs;
    directionOf(g, sn, cs);
    TextRun& r = g.text.run;
    r.penX = r.startX + distance * cs;
    r.penY = r.startY - distance * sn;
}

// A line along the base line from distance d1 to d2, at height Y above it.
void baseLine(Globals& g, float d1, float d2, float Y) {
    TextRun& r = g.text.run;
    const float px = r.penX, py = r.penY;
    float x1, y1, x2, y2;
    penAt(g, d1);
    penToPage(g, 0.0f, Y, x1, y1);
    penAt(g, d2);
    penToPage(g, 0.0f, Y, x2, y2);
    r.penX = px, r.penY = py;
    textMove(g, x1, y1);
    textDraw(g, x2, y2);
}

}  // namespace

float penDistance(const Globals& g) {
    float sn, cs;
    directionOf(g, sn, cs);
    const TextRun& r = g.text.run;
    return (r.penX - r.startX) * cs - (r.penY - r.startY) * sn;
}

void setRunHeight(Globals& g, int h) {
    if (h < 1) h = 1;
    if (h == g.text.height) return;
    g.text.height = h;
    clearScaleCache(g);
    if (g.text.hwFont == 1 && !g.text.run.measuring) psEmitFont(g);
}

namespace {

// One instruction being executed: its letter, its argument and the heights
// its commands scale by (the current one and the string's starting one).
struct Instruction {
    Globals& g;
    TextState& t;
    TextRun& r;
    const char* text;
    int n;
    char cmd;
    Argument a;
    float h, h0;

    void warn(Warning w) const { warnInstruction(w, text, n); }
    // For commands whose argument must be a whole number.
    bool needInteger() const {
        if (a.kind == ArgKind::Reset || a.kind == ArgKind::Decimal) {
            warn(Warning::InstructionNoInteger);
            return false;
        }
        return true;
    }
    // The register an argument names, 1..20; 0 after a warning.
    int registerOf() const {
        if (!needInteger()) return 0;
        const int k = a.kind == ArgKind::None ? 1 : a.integer;
        if (k < 1 || k > kPositionRegisters) {
            warn(Warning::InstructionTabulator);
            return 0;
        }
        return k;
    }
    // Lines from the position in a register to the pen, at the given heights.
    void underline(const float* heights, int count) const {
        const int k = registerOf();
        if (k == 0 || r.measuring) return;
        const float end = penDistance(g) - r.lastGap;
        for (int i = 0; i < count; ++i) baseLine(g, r.registers[k - 1], end, heights[i] * h);
    }
};

// A: advance by a multiple of the height.
void advanceByHeight(const Instruction& in) {
    if (in.a.kind == ArgKind::None) advancePen(in.g, in.h);
    else if (in.a.kind != ArgKind::Reset) advancePen(in.g, in.a.value * in.h);
}

// C: advance by character gaps.
void advanceByGaps(const Instruction& in) {
    if (in.needInteger())
        advancePen(in.g, (in.a.kind == ArgKind::None ? 1 : in.a.integer) * alphabetScale(in.g, in.r.alphabet).gap);
}

// D and U: shift the base line down or up.
void shiftBaseLine(const Instruction& in) {
    const float sign = in.cmd == 'D' ? -1.0f : 1.0f;
    const Argument& a = in.a;
    if (a.kind == ArgKind::None) in.r.baseShift = sign * in.h0;
    else if (a.kind == ArgKind::Reset) in.r.baseShift = 0.0f;
    else in.r.baseShift = sign * std::fabs(a.value) * (a.value > 0 ? in.h0 : in.h);
}

// E and I: exponent and index, raised or lowered at 0.6 of the height.
void exponentOrIndex(const Instruction& in) {
    TextRun& r = in.r;
    if (in.a.kind == ArgKind::None) {
        if (in.cmd == 'E') {
            r.baseShift += 0.75f * in.h;
            if (r.baseShift > r.raised) r.raised = r.baseShift;
        } else {
            r.baseShift -= 0.35f * in.h;
            if (-r.baseShift > r.lowered) r.lowered = -r.baseShift;
        }
        setRunHeight(in.g, static_cast<int>(std::lround(0.6f * in.h)));
    } else if (in.a.kind == ArgKind::Reset) {
        r.baseShift = 0.0f;
        setRunHeight(in.g, r.startHeight);
    } else {
        in.warn(Warning::InstructionParameter);
    }
}

// F: advance by blanks.
void advanceByBlanks(const Instruction& in) {
    if (in.needInteger()) advancePen(in.g, (in.a.kind == ArgKind::None ? 1 : in.a.integer) * blankAdvance(in.g));
}

// G: the pen to the position in a register.
void goToRegister(const Instruction& in) {
    const int k = in.registerOf();
    if (k) penAt(in.g, in.r.registers[k - 1]);
}

// H: a new height, relative to the current or (negative) the starting one.
void changeHeight(const Instruction& in) {
    const Argument& a = in.a;
    if (a.kind == ArgKind::None) setRunHeight(in.g, static_cast<int>(std::lround(0.6f * in.h)));
    else if (a.kind == ArgKind::Reset) setRunHeight(in.g, in.r.startHeight);
    else if (a.value > 0) setRunHeight(in.g, static_cast<int>(std::lround(a.value * in.h)));
    else setRunHeight(in.g, static_cast<int>(std::lround(std::fabs(a.value) * in.h0)));
}

// J: double underline.
void doubleUnderline(const Instruction& in) {
    const float heights[2] = {-0.2f, -0.4f};
    in.underline(heights, 2);
}

// K: fixed pitch on (with a factor) or off.
void fixedPitch(const Instruction& in) {
    if (in.a.kind == ArgKind::Reset) {
        in.r.fixedOn = 0;
    } else {
        in.r.fixedOn = 1;
        in.r.fixedFactor = in.a.kind == ArgKind::None ? 0.8f : in.a.value;
    }
    clearScaleCache(in.g);
}

// L: underline.
void singleUnderline(const Instruction& in) {
    const float heights[1] = {-0.2f};
    in.underline(heights, 1);
}

// M: another alphabet, 1..6.
void changeAlphabet(const Instruction& in) {
    const Argument& a = in.a;
    if (a.kind == ArgKind::Decimal) {
        in.warn(Warning::InstructionNoInteger);
    } else if (a.kind == ArgKind::Integer && (a.integer < 1 || a.integer > 6)) {
        in.warn(Warning::InstructionParameter);
    } else {
        const int alpha = a.kind == ArgKind::None ? 1 : a.kind == ArgKind::Reset ? in.t.baseAlphabet : a.integer;
        in.r.alphabet = in.r.stringAlphabet = alpha;
    }
}

// N: another colour index, 0..255.
void changeColour(const Instruction& in) {
    const Argument& a = in.a;
    if (a.kind == ArgKind::Decimal) {
        in.warn(Warning::InstructionNoInteger);
    } else if (a.kind == ArgKind::Integer && (a.integer < 0 || a.integer > 255)) {
        in.warn(Warning::InstructionParameter);
    } else if (!in.r.measuring) {
        textSetColour(in.g, a.kind == ArgKind::None ? 1 : a.kind == ArgKind::Reset ? in.r.startColour : a.integer);
        in.r.colourChanged = 1;
    }
}

// O: a second base-line offset.
void offsetBaseLine(const Instruction& in) {
    if (in.a.kind == ArgKind::None) in.r.baseShift2 = in.h;
    else if (in.a.kind == ArgKind::Reset) in.r.baseShift2 = 0.0f;
    else in.r.baseShift2 = in.a.value * in.h;
}

// P: the pen position into a register.
void storePosition(const Instruction& in) {
    const int k = in.registerOf();
    if (k) in.r.registers[k - 1] = penDistance(in.g);
}

// R: back to the starting base line and height.
void resetBaseLine(const Instruction& in) {
    if (in.a.kind != ArgKind::None) {
        in.warn(Warning::InstructionParameter);
    } else {
        in.r.baseShift = 0.0f;
        setRunHeight(in.g, in.r.startHeight);
    }
}

// S: a symbol, 0..21, one height wide.
void drawSymbolHere(const Instruction& in) {
    if (!in.needInteger()) return;
    const int sym = in.a.kind == ArgKind::None ? 0 : in.a.integer;
    if (sym < 0 || sym > 21) {
        in.warn(Warning::InstructionParameter);
        return;
    }
    if (!in.r.measuring) {
        float x, y;
        penToPage(in.g, 0.5f * in.h, 0.5f * in.h, x, y);
        drawSymbolSized(in.g, sym, x, y, in.h);
    }
    advancePen(in.g, in.h + alphabetScale(in.g, in.r.alphabet).gap);
}

// T: the pen to a distance from the start of the string.
void tabulate(const Instruction& in) {
    if (in.needInteger()) penAt(in.g, in.a.kind == ArgKind::None ? 0.0f : static_cast<float>(in.a.integer));
}

// V: strike through.
void strikeThrough(const Instruction& in) {
    const float heights[1] = {0.5f};
    in.underline(heights, 1);
}

// W: width factor.
void changeWidth(const Instruction& in) {
    in.r.width = in.a.kind == ArgKind::None ? 1.0f : in.a.kind == ArgKind::Reset ? in.t.widthFactor : in.a.value;
    clearScaleCache(in.g);
}

// Y: character spacing.
void changeSpacing(const Instruction& in) {
    in.r.spacing = in.a.kind == ArgKind::None ? 0.0f : in.a.kind == ArgKind::Reset ? in.t.spacing : in.a.value;
    clearScaleCache(in.g);
}

// Z: slant in degrees, below 60 either way.
void changeSlant(const Instruction& in) {
    const Argument& a = in.a;
    if (a.kind == ArgKind::None) {
        in.r.slant = 0.0f;
    } else if (a.kind == ArgKind::Reset) {
        in.r.slant = in.t.slant;
    } else if (a.value <= -60.0f || a.value >= 60.0f) {
        in.warn(Warning::InstructionParameter);
    } else {
        in.r.slant = std::fabs(a.value) <= 0.5f
                         ? 0.0f
                         : static_cast<float>(1.0 / std::tan((90.0 - a.value) * 3.14159265358979323846 / 180.0));
    }
}

using Command = void (*)(const Instruction&);

// The commands by letter A..Z; letters without a command are unknown.
constexpr Command kCommands[26] = {
    advanceByHeight, nullptr,        advanceByGaps,   shiftBaseLine,   exponentOrIndex, advanceByBlanks,
    goToRegister,    changeHeight,   exponentOrIndex, doubleUnderline, fixedPitch,      singleUnderline,
    changeAlphabet,  changeColour,   offsetBaseLine,  storePosition,   nullptr,         resetBaseLine,
    drawSymbolHere,  tabulate,       shiftBaseLine,   strikeThrough,   changeWidth,     nullptr,
    changeSpacing,   changeSlant,
};

}  // namespace

void executeInstruction(Globals& g, const char* text, int n) {
    if (n <= 0) return;
    TextState& t = g.text;
    const char cmd = (text[0] >= 'a' && text[0] <= 'z') ? char(text[0] - 32) : text[0];
    const Instruction in{g, t, t.run, text, n, cmd, parseArgument(text + 1, n - 1),
                         static_cast<float>(t.height), static_cast<float>(t.run.startHeight)};
    if (in.a.kind == ArgKind::Invalid) {
        in.warn(Warning::InstructionParameter);
        return;
    }
    const Command command = cmd >= 'A' && cmd <= 'Z' ? kCommands[cmd - 'A'] : nullptr;
    if (command) command(in);
    else in.warn(Warning::InstructionUnknown);
}

}  // namespace vtx
