// The axis drawer: line, ticks, labels and name of one axis, each in the
// colour axclrs chose for it.
#include "graph2d/axis_drawer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/messages.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "graph2d/axis_dates.h"
#include "graph2d/labels.h"
#include "graph2d/scaling.h"
#include "text/fonts.h"
#include "text/strings.h"
#include "text/text_scope.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

// Direction from the axis toward its labels: +1 along plot x or y, -1 against.
int labelDirection(const AxisDrawSpec& s) { return s.axis == 0 ? (s.side == 0 ? 1 : -1) : (s.side == 1 ? -1 : 1); }

// Space taken by the ticks on the label side: the full major length, half
// of it when centred, none when they point away.
int tickAllowance(const Globals& g, const AxisDrawSpec& s) {
    if (s.part < kPartTicks || g.axis.ticks[s.axis] <= 0) return 0;
    const int pos = g.axis.tickPosition[s.axis];
    return pos == 0 ? g.axis.tickLong : pos == 2 ? g.axis.tickLong / 2 : 0;
}

// A point at `along` plot units from the axis start and `across` toward the labels.
void axisPoint(const AxisDrawSpec& s, float along, float across, float& x, float& y) {
    const int dir = labelDirection(s);
    if (s.axis == 0) x = s.x + along, y = s.y + across * float(dir);
    else x = s.x + across * float(dir), y = s.y - along;
}

// Calendar ticks of a date axis: every day or every month start of the
// ticmod unit (the label unit without ticmod); a tick on a labelled month
// start is major. Returns false when the axis has no calendar steps.
template <typename Fn>
bool forEachDateTick(Globals& g, const AxisDrawSpec& s, Fn&& fn) {
    const AxisState& a = g.axis;
    const int mode = a.dateTicks[s.axis], labelUnit = a.timeUnit[s.axis];
    if (a.labelType[s.axis] != kLabDate || !g.util.baseDefined || (mode == 0 && labelUnit <= 0)) return false;
    const float lo = std::fmin(s.a, s.e), hi = std::fmax(s.a, s.e);
    // Day numbers must fit an int, and the days of the axis a loop.
    if (!(hi - lo < 200000.0f) || !(lo > -1.0e9f && hi < 1.0e9f)) return false;
    const float f = float(s.length - 1) / (s.e - s.a);
    auto isLabelMonth = [&](int month) { return labelUnit <= 0 || (month - 1) % labelUnit == 0; };
    int day, month, year;
    if (mode == 1 || mode == 6) {
        for (int n = int(std::ceil(lo)), last = int(std::floor(hi)); n <= last; ++n) {
            axisDate(g, n, day, month, year);
            fn(std::round((float(n) - s.a) * f), labelUnit > 0 ? day == 1 && isLabelMonth(month) : false);
        }
    }
    if (mode != 1) {
        static const int kMonths[7] = {0, 0, 1, 3, 6, 12, 1};
        const int unit = mode == 0 ? labelUnit : kMonths[mode];
        axisDate(g, int(std::floor(lo)), day, month, year);
        for (int k = 0; k < 100000; ++k) {
            const int m = month - 1 + k;
            const int mon = m % 12 + 1, yr = year + m / 12;
            const float d = float(axisDayNumber(g, 1, mon, yr));
            if (d > hi) break;
            if (d < lo || (mon - 1) % unit != 0) continue;
            fn(std::round((d - s.a) * f), isLabelMonth(mon));
        }
    }
    return true;
}

// One tick at `off` along the axis, on the side ticpos gives.
void drawTick(Globals& g, const AxisDrawSpec& s, float off, bool major) {
    const AxisState& a = g.axis;
    const int pos = a.tickPosition[s.axis];
    const float len = float(major ? a.tickLong : a.tickShort);
    float from = 0.0f, to = len;
    if (pos == 1) to = -len;
    else if (pos == 2) from = -len / 2.0f, to = len / 2.0f;
    float x1, y1, x2, y2;
    axisPoint(s, off, from, x1, y1);
    axisPoint(s, off, to, x2, y2);
    lineqq(g, x1, y1, x2, y2);
}

void drawTicks(Globals& g, const AxisDrawSpec& s) {
    auto tick = [&](float off, bool major) { drawTick(g, s, off, major); };
    if (!forEachDateTick(g, s, tick)) forEachTick(g, s, g.axis.ticks[s.axis], tick);
}

// Draws (or only measures) one label at `along` on the axis; returns the
// label's extent across the axis, and its extent along it in `span`.
int placeLabel(Globals& g, const AxisDrawSpec& s, const AxisLabel& label, float along, int distance, int maxWidth,
               bool first, bool last, bool draw, int* span = nullptr) {
    TextState& t = g.text;
    const AxisState& a = g.axis;
    const int h = t.height;
    t.mixAlphabet = label.needsMix ? 1 : t.mixAlphabet;
    t.texMode = 0;
    if (label.germanShift) t.euShift = 1, t.euShiftChars[0] = '!';
    const int w = measureString(g, label.text);
    const bool vertical = a.labelVertical[s.axis] != 0;
    const int dir = labelDirection(s);
    const int across = vertical == (s.axis == 0) ? w : h;
    if (span) *span = vertical == (s.axis == 0) ? h : w;
    if (!draw) return across;
    float x, y;
    if (s.axis == 0) {
        float left = s.x + along;
        if (vertical) {
            t.angle = 90;
            x = left - float(h) / 2.0f;
            y = dir > 0 ? s.y + float(distance + w) : s.y - float(distance);
        } else {
            t.angle = 0;
            x = left - float(w) / 2.0f;
            if (a.labelPosition[s.axis] == 2) {
                if (first) x = std::max(x, s.x);
                if (last) x = std::min(x, s.x + float(s.length - 1 - w));
            }
            y = dir > 0 ? s.y + float(distance) : s.y - float(distance + h);
        }
    } else {
        const float at = s.y - along;
        if (vertical) {
            t.angle = 90;
            y = at + float(w) / 2.0f;
            if (a.labelPosition[s.axis] == 2) {
                if (first) y = std::min(y, s.y);
                if (last) y = std::max(y, s.y - float(s.length - 1) + float(w));
            }
            x = dir > 0 ? s.x + float(distance) : s.x - float(distance + h);
        } else {
            t.angle = 0;
            y = at - float(h) / 2.0f;
            if (a.labelPosition[s.axis] == 2) {
                if (first) y = std::min(y, s.y - float(h - 1));
                if (last) y = std::max(y, s.y - float(s.length - 1));
            }
            // Alignment: toward the axis (AUTO, INWA) or to the far side of
            // the widest label (OUTW), or absolutely left or right.
            const int just = a.labelJust[s.axis];
            bool alignNear = just == 0 || just == 4;
            if (just == 1) alignNear = dir > 0;
            if (just == 2) alignNear = dir < 0;
            // rgtlab: right-hand labels flush right, away from the axis.
            if (just == 0 && dir > 0 && a.rightLabels) alignNear = false;
            if (dir < 0) x = alignNear ? s.x - float(distance + w) : s.x - float(distance + maxWidth);
            else x = alignNear ? s.x + float(distance) : s.x + float(distance + maxWidth - w);
        }
    }
    qqmess(g, label.text, int(std::lround(x)), int(std::lround(y)));
    return across;
}

bool endLabelShown(int ends, int i, int n) {
    switch (ends) {
        case 1: return i >= 1;
        case 2: return i <= n - 1;
        case 3: return i >= 1 && i <= n - 1;
        case 4: return i == 0 || i == n;
        case 5: return i == 0;
        case 6: return i == n;
        default: return true;
    }
}

// Label values of a date axis with calendar steps: the month starts after
// the first label. Returns the count written.
int dateLabelValues(Globals& g, const AxisDrawSpec& s, float* values, int max) {
    const int unit = g.axis.timeUnit[s.axis];
    int n = 0;
    if (unit <= 0 || !g.util.baseDefined) return 0;
    int day, month, year;
    axisDate(g, int(std::lround(s.first)), day, month, year);
    const float hi = std::max(s.a, s.e) + 0.5f;
    for (int k = 0; n < max; ++k) {
        const int m = month - 1 + k * unit;
        const float v = float(axisDayNumber(g, 1, m % 12 + 1, year + m / 12));
        if (v > hi) break;
        values[n++] = v;
    }
    return n;
}

// Labels of the axis; returns their largest extent across the axis.
int drawLabels(Globals& g, const AxisDrawSpec& s) {
    AxisState& a = g.axis;
    if (a.labelType[s.axis] == kLabNone) return 0;
    const float range = s.e - s.a;
    if (!(std::fabs(s.step) > 0.0f) || !std::isfinite(range) || range == 0.0f) return 0;
    const bool centred = a.labelPosition[s.axis] == 1;
    constexpr int kMaxLabels = 2000;
    static thread_local float values[kMaxLabels];
    int count = 0;
    if (a.labelType[s.axis] == kLabDate && a.timeUnit[s.axis] > 0) {
        count = dateLabelValues(g, s, values, kMaxLabels);
    } else {
        const float q = (s.e - s.first) / s.step;
        if (!(q > -1.0f && q < float(kMaxLabels))) return 0;
        const int n = int(std::lround(q));
        for (int i = 0; i <= n; ++i) values[count++] = s.first + float(i) * s.step;
    }
    const int n = count - 1 - (centred ? 1 : 0);
    if (n < 0) return 0;
    const float f = float(s.length - 1) / range;
    const float half = centred ? s.step * 0.5f : 0.0f;
    const int distance = a.labelDist[s.axis] + tickAllowance(g, s);
    TextScope scope(g);
    const PartColour colour(g, s.axis, kColLabels);
    g.text.justify = 0;
    AxisLabel label;
    // First pass measures: OUTW alignment and the name distance need the widest label.
    int widest = 0, extent = 0;
    for (int pass = 0; pass < 2; ++pass) {
        float lastLo = 0.0f, lastHi = 0.0f;
        bool haveLast = false;
        for (int i = 0; i <= n; ++i) {
            if (!endLabelShown(a.ends[s.axis], i, n)) continue;
            float v = values[i];
            if ((a.labelType[s.axis] == kLabExp || a.labelType[s.axis] == kLabFexp) &&
                std::fabs(v) < std::fabs(s.step) * 1.0e-5f)
                v = 0.0f;
            if (s.crossed && (std::fabs(v) < 1.0e-35f || std::fabs(v) < std::fabs(s.step) * 1.0e-5f)) continue;
            const float along = s.position ? s.position(g, s, v + half) : (v + half - s.a) * f;
            if (!(along >= -0.5f && along <= float(s.length - 1) + 0.5f)) continue;
            axisLabelText(g, s.axis, v + half, s.log != 0, i, n, s.step < 0.0f, label);
            if (!label.text[0]) continue;
            if (s.dropOverlaps) {
                // Crowded axes keep a character height between neighbouring labels.
                int span = 0;
                placeLabel(g, s, label, std::round(along), distance, widest, i == 0, i == n, false, &span);
                const float gap = float(g.text.height);
                const float lo = std::round(along) - float(span) / 2.0f, hi = lo + float(span);
                if (haveLast && lo < lastHi + gap && hi > lastLo - gap) {
                    scope.restoreAlphabet();
                    continue;
                }
                lastLo = lo, lastHi = hi, haveLast = true;
            }
            const int across = placeLabel(g, s, label, std::round(along), distance, widest, i == 0, i == n, pass == 1);
            if (pass == 0) {
                widest = std::max(widest, measureString(g, label.text));
                extent = std::max(extent, across);
            }
            scope.restoreAlphabet();
        }
    }
    return extent;
}

void drawName(Globals& g, const AxisDrawSpec& s, int labelExtent) {
    const AxisState& a = g.axis;
    if (!s.name || !s.name[0]) return;
    TextScope scope(g);
    const PartColour colour(g, s.axis, kColName);
    g.text.justify = 0;
    scope.setHeight(a.nameHeight);
    const int hn = a.nameHeight;
    const int w = measureString(g, s.name);
    int distance = a.nameDist[s.axis] + tickAllowance(g, s);
    if (s.part >= kPartLabels && a.labelType[s.axis] != kLabNone) distance += a.labelDist[s.axis] + labelExtent;
    const int dir = labelDirection(s);
    // Position along the axis: centred over the length or at one end.
    const float len = float(s.length - 1);
    const int just = a.nameJust[s.axis];
    float x, y;
    if (s.crossed) {
        // Beside the far end of the axis, clear of the labels that run
        // along both sides of the crossing point.
        g.text.angle = 0;
        if (s.axis == 0) x = s.x + len + float(a.nameDist[0]), y = s.y - float(hn) / 2.0f;
        else x = s.x - float(w) / 2.0f, y = s.y - len - float(a.nameDist[1] + hn);
    } else if (s.axis == 0) {
        g.text.angle = 0;
        x = just == 1 ? s.x : just == 2 ? s.x + len - float(w) : s.x + (len - float(w)) / 2.0f;
        y = dir > 0 ? s.y + float(distance) : s.y - float(distance + hn);
    } else if (dir < 0 || a.reverseYName) {
        // Reading upward: the text starts at the lower end.
        g.text.angle = 90;
        y = just == 1 ? s.y : just == 2 ? s.y - len + float(w) : s.y - (len - float(w)) / 2.0f;
        x = dir < 0 ? s.x - float(distance + hn) : s.x + float(distance);
    } else {
        // The right y axis: reading downward from the upper end.
        g.text.angle = 270;
        y = just == 1 ? s.y - float(w) : just == 2 ? s.y - len : s.y - (len + float(w)) / 2.0f;
        x = s.x + float(distance + hn - 1);
        y = std::round(y);
    }
    qqmess(g, s.name, int(std::lround(x)), int(std::lround(y)));
}

}  // namespace

void drawAxis(Globals& g, const AxisDrawSpec& s) {
    if (s.part <= kPartNone || s.length < 2) return;
    if (!std::isfinite(s.a) || !std::isfinite(s.e) || !std::isfinite(s.first) || !std::isfinite(s.step)) return;
    if (!g.axis.noAxisLine[s.axis]) {
        const PartColour colour(g, s.axis, kColLine);
        float x2, y2;
        axisPoint(s, float(s.length - 1), 0.0f, x2, y2);
        lineqq(g, s.x, s.y, x2, y2);
    }
    if (s.part >= kPartTicks && g.axis.ticks[s.axis] > 0) {
        const PartColour colour(g, s.axis, kColTicks);
        drawTicks(g, s);
        qqstrk(g);
    }
    int extent = 0;
    if (s.part >= kPartLabels) extent = drawLabels(g, s);
    if (s.part >= kPartName) drawName(g, s, extent);
}

void drawExtraLabel(Globals& g, const AxisDrawSpec& s, float value, const char* text, bool tick) {
    const float range = s.e - s.a;
    if (!(std::fabs(range) > 0.0f) || !std::isfinite(range)) return;
    const float v = s.log ? (value > 0.0f ? std::log10(value) : -INFINITY) : value;
    const float along = std::round((v - s.a) * float(s.length - 1) / range);
    if (!(along >= 0.0f && along <= float(s.length - 1))) {
        warnText(101, "Label value out of the axis");
        return;
    }
    if (tick) {
        const PartColour colour(g, s.axis, kColTicks);
        drawTick(g, s, along, true);
        qqstrk(g);
    }
    if (!text[0]) return;
    TextScope scope(g);
    const PartColour colour(g, s.axis, kColLabels);
    g.text.justify = 0;
    AxisLabel label;
    qqcopy(label.text, text, kLabelTextSize - 1);
    const int distance = g.axis.labelDist[s.axis] + tickAllowance(g, s);
    placeLabel(g, s, label, along, distance, measureString(g, label.text), false, false, true);
}

}  // namespace vtx
