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

void executeInstruction(Globals& g, const char* text, int n) {
    if (n <= 0) return;
    TextState& t = g.text;
    TextRun& r = t.run;
    const char cmd = (text[0] >= 'a' && text[0] <= 'z') ? char(text[0] - 32) : text[0];
    const Argument a = parseArgument(text + 1, n - 1);
    const float h = static_cast<float>(t.height);
    const float h0 = static_cast<float>(r.startHeight);
    if (a.kind == ArgKind::Invalid) {
        warnInstruction(Warning::InstructionParameter, text, n);
        return;
    }
    // Commands whose argument must be a whole number.
    auto needInteger = [&]() {
        if (a.kind == ArgKind::Reset || a.kind == ArgKind::Decimal) {
            warnInstruction(Warning::InstructionNoInteger, text, n);
            return false;
        }
        return true;
    };
    // The register an argument names, 1..20; 0 after a warning.
    auto registerOf = [&]() {
        if (!needInteger()) return 0;
        const int k = a.kind == ArgKind::None ? 1 : a.integer;
        if (k < 1 || k > kPositionRegisters) {
            warnInstruction(Warning::InstructionTabulator, text, n);
            return 0;
        }
        return k;
    };
    auto underline = [&](const float* heights, int count) {
        const int k = registerOf();
        if (k == 0 || r.measuring) return;
        const float end = penDistance(g) - r.lastGap;
        for (int i = 0; i < count; ++i) baseLine(g, r.registers[k - 1], end, heights[i] * h);
    };
    switch (cmd) {
    case 'A':
        if (a.kind == ArgKind::None) advancePen(g, h);
        else if (a.kind != ArgKind::Reset) advancePen(g, a.value * h);
        break;
    case 'C':
        if (needInteger()) advancePen(g, (a.kind == ArgKind::None ? 1 : a.integer) * alphabetScale(g, r.alphabet).gap);
        break;
    case 'D':
    case 'U': {
        const float sign = cmd == 'D' ? -1.0f : 1.0f;
        if (a.kind == ArgKind::None) r.baseShift = sign * h0;
        else if (a.kind == ArgKind::Reset) r.baseShift = 0.0f;
        else r.baseShift = sign * std::fabs(a.value) * (a.value > 0 ? h0 : h);
        break;
    }
    case 'E':
    case 'I':
        if (a.kind == ArgKind::None) {
            if (cmd == 'E') {
                r.baseShift += 0.75f * h;
                if (r.baseShift > r.raised) r.raised = r.baseShift;
            } else {
                r.baseShift -= 0.35f * h;
                if (-r.baseShift > r.lowered) r.lowered = -r.baseShift;
            }
            setRunHeight(g, static_cast<int>(std::lround(0.6f * h)));
        } else if (a.kind == ArgKind::Reset) {
            r.baseShift = 0.0f;
            setRunHeight(g, r.startHeight);
        } else {
            warnInstruction(Warning::InstructionParameter, text, n);
        }
        break;
    case 'F':
        if (needInteger()) advancePen(g, (a.kind == ArgKind::None ? 1 : a.integer) * blankAdvance(g));
        break;
    case 'G': {
        const int k = registerOf();
        if (k) penAt(g, r.registers[k - 1]);
        break;
    }
    case 'H':
        if (a.kind == ArgKind::None) setRunHeight(g, static_cast<int>(std::lround(0.6f * h)));
        else if (a.kind == ArgKind::Reset) setRunHeight(g, r.startHeight);
        else if (a.value > 0) setRunHeight(g, static_cast<int>(std::lround(a.value * h)));
        else setRunHeight(g, static_cast<int>(std::lround(std::fabs(a.value) * h0)));
        break;
    case 'J': {
        const float heights[2] = {-0.2f, -0.4f};
        underline(heights, 2);
        break;
    }
    case 'K':
        if (a.kind == ArgKind::Reset) {
            r.fixedOn = 0;
        } else {
            r.fixedOn = 1;
            r.fixedFactor = a.kind == ArgKind::None ? 0.8f : a.value;
        }
        clearScaleCache(g);
        break;
    case 'L': {
        const float heights[1] = {-0.2f};
        underline(heights, 1);
        break;
    }
    case 'M':
        if (a.kind == ArgKind::Decimal) {
            warnInstruction(Warning::InstructionNoInteger, text, n);
        } else if (a.kind == ArgKind::Integer && (a.integer < 1 || a.integer > 6)) {
            warnInstruction(Warning::InstructionParameter, text, n);
        } else {
            const int alpha = a.kind == ArgKind::None ? 1 : a.kind == ArgKind::Reset ? t.baseAlphabet : a.integer;
            r.alphabet = r.stringAlphabet = alpha;
        }
        break;
    case 'N':
        if (a.kind == ArgKind::Decimal) {
            warnInstruction(Warning::InstructionNoInteger, text, n);
        } else if (a.kind == ArgKind::Integer && (a.integer < 0 || a.integer > 255)) {
            warnInstruction(Warning::InstructionParameter, text, n);
        } else if (!r.measuring) {
            textSetColour(g, a.kind == ArgKind::None ? 1 : a.kind == ArgKind::Reset ? r.startColour : a.integer);
            r.colourChanged = 1;
        }
        break;
    case 'O':
        if (a.kind == ArgKind::None) r.baseShift2 = h;
        else if (a.kind == ArgKind::Reset) r.baseShift2 = 0.0f;
        else r.baseShift2 = a.value * h;
        break;
    case 'P': {
        const int k = registerOf();
        if (k) r.registers[k - 1] = penDistance(g);
        break;
    }
    case 'R':
        if (a.kind != ArgKind::None) {
            warnInstruction(Warning::InstructionParameter, text, n);
        } else {
            r.baseShift = 0.0f;
            setRunHeight(g, r.startHeight);
        }
        break;
    case 'S': {
        if (!needInteger()) break;
        const int sym = a.kind == ArgKind::None ? 0 : a.integer;
        if (sym < 0 || sym > 21) {
            warnInstruction(Warning::InstructionParameter, text, n);
            break;
        }
        if (!r.measuring) {
            float x, y;
            penToPage(g, 0.5f * h, 0.5f * h, x, y);
            drawSymbolSized(g, sym, x, y, h);
        }
        advancePen(g, h + alphabetScale(g, r.alphabet).gap);
        break;
    }
    case 'T':
        if (needInteger()) penAt(g, a.kind == ArgKind::None ? 0.0f : static_cast<float>(a.integer));
        break;
    case 'V': {
        const float heights[1] = {0.5f};
        underline(heights, 1);
        break;
    }
    case 'W':
        r.width = a.kind == ArgKind::None ? 1.0f : a.kind == ArgKind::Reset ? t.widthFactor : a.value;
        clearScaleCache(g);
        break;
    case 'Y':
        r.spacing = a.kind == ArgKind::None ? 0.0f : a.kind == ArgKind::Reset ? t.spacing : a.value;
        clearScaleCache(g);
        break;
    case 'Z':
        if (a.kind == ArgKind::None) {
            r.slant = 0.0f;
        } else if (a.kind == ArgKind::Reset) {
            r.slant = t.slant;
        } else if (a.value <= -60.0f || a.value >= 60.0f) {
            warnInstruction(Warning::InstructionParameter, text, n);
        } else {
            r.slant = std::fabs(a.value) <= 0.5f
                          ? 0.0f
                          : static_cast<float>(1.0 / std::tan((90.0 - a.value) * 3.14159265358979323846 / 180.0));
        }
        break;
    default:
        warnInstruction(Warning::InstructionUnknown, text, n);
        break;
    }
}

}  // namespace vtx
