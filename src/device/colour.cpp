// Selecting colours and loading colour tables.
#include "device/colour.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "session/globals.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/colour_tables.h"

namespace vtx {

namespace {

// Component bytes of colours given in 0..1; callers have checked the range,
// slightly outside it by the tolerance.
int componentByte(float c) {
    long v = std::lround(c * 255.0f);
    return int(v < 0 ? 0 : v > 255 ? 255 : v);
}

// NaN fails every comparison and is therefore rejected as well.
bool within(float c, float low, float high) { return c >= low && c <= high; }

bool componentsWithin(float r, float gr, float b, float low, float high) {
    return within(r, low, high) && within(gr, low, high) && within(b, low, high);
}

bool componentsAccepted(const Globals& g, float r, float gr, float b) {
    float tol = g.colour.tolerance;
    return componentsWithin(r, gr, b, -tol, 1.0f + tol);
}

// The entry with the smallest sum of absolute component differences among
// the entries the table kind defines; the lowest index wins a tie.
int nearestEntry(const Globals& g, int red, int green, int blue) {
    int entries = colourTableEntries(g.colour.kind), best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < entries; ++i) {
        ColourEntry e = g.colour.table[i];
        int d = std::abs(redOf(e) - red) + std::abs(greenOf(e) - green) + std::abs(blueOf(e) - blue);
        if (d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

void exchangeForReverseScreen(Globals& g) {
    std::swap(g.colour.table[0], g.colour.table[lastColourIndex(g.colour.kind)]);
    // The outside colours of colour scales follow their entries.
    std::swap(g.colour.outsideLow, g.colour.outsideHigh);
    g.colour.reverse = 1;
}

}  // namespace

int nearestColour(const Globals& g, int red, int green, int blue) { return nearestEntry(g, red, green, blue); }

void fillColourCycle(Globals& g) {
    for (int i = 0; i < 30; ++i) g.colour.colourCycle[i] = g.colour.names[i % 8];
}

void qqsclr(Globals& g, int index) {
    ColourEntry e = g.colour.table[((index % kColourEntries) + kColourEntries) % kColourEntries];
    sendColourToDevice(g, index, redOf(e), greenOf(e), blueOf(e));
    g.colour.current = index;
}

void loadColourTable(Globals& g, int kind) {
    ColourState& c = g.colour;
    const int device = g.ctl.device;
    if (deviceClass(device) == DeviceClass::Kyocera) kind = kVltSmall;  // the page printer knows no other
    c.kind = kind;
    fillColourNameMap(kind, device, c.names);

    // A table given with myvlt before vtxini is kept once, as the user made it.
    const bool predefined = !c.userTable;
    if (predefined) fillColourTable(kind, device, c.table);
    c.userTable = 0;

    fillColourCycle(g);
    c.rangeLow = 1;
    c.rangeHigh = scaleRangeEnd(kind);
    c.outsideLow = 0, c.outsideHigh = c.rangeHigh + 1;
    c.foreground = lastColourIndex(kind);
    c.background = 0;
    if (deviceCan(device, kPaperForeground) && isPlainRamp(kind)) c.foreground = 0, c.background = 255;

    c.reverse = 0;
    if (predefined && g.out.screenMode == 2 && deviceCan(device, kBackgroundFromTable)) exchangeForReverseScreen(g);

    sendColourTableToDevice(g);
    qqsclr(g, c.foreground);
}

void loadDefaultColourTable(Globals& g) {
    loadColourTable(g, deviceCan(g.ctl.device, kGreyDefaultTable) ? kVltRGrey : kVltRain);
}

void setvlt(const char* name) {
    Globals* g = jqqlev(1, 3, "setvlt");
    if (!g) return;
    int i = jqqind("SMAL+RAIN+SPEC+GREY+RRAI+RSPE+RGRE+VGA +TEMP", 9, name);
    if (i) loadColourTable(*g, i - 1);
}

void color(const char* name) {
    Globals* g = jqqlev(1, 3, "color");
    if (!g) return;
    int i = jqqind("WHIT+RED +GREE+YELL+BLUE+ORAN+CYAN+MAGE+BLAC+FORE+BACK", 11, name);
    if (i == 0) return;
    const ColourState& c = g->colour;
    qqsclr(*g, i <= kColourNames ? c.names[i - 1] : i == 10 ? c.foreground : c.background);
}

void setclr(int index) {
    Globals* g = jqqlev(1, 3, "setclr");
    if (!g || jqqval(index, 0, 255)) return;
    qqsclr(*g, index);
}

void setrgb(float red, float green, float blue) {
    Globals* g = jqqlev(1, 3, "setrgb");
    if (!g) return;
    if (!componentsWithin(red, green, blue, -0.001f, 1.001f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    qqsclr(*g, nearestEntry(*g, componentByte(red), componentByte(green), componentByte(blue)));
}

void myvlt(const float* red, const float* green, const float* blue, int n) {
    Globals* g = jqqlev(0, 3, "myvlt");
    if (!g || jqqval(n, 1, kColourEntries)) return;
    if (!red || !green || !blue) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    for (int i = 0; i < n; ++i)
        if (!componentsAccepted(*g, red[i], green[i], blue[i])) {
            warnin(Warning::IncorrectParameter);
            return;
        }
    for (int i = 0; i < n; ++i)
        g->colour.table[i] = packRgb(componentByte(red[i]), componentByte(green[i]), componentByte(blue[i]));
    if (g->ctl.level == 0)
        g->colour.userTable = 1;
    else
        sendColourTableToDevice(*g);
}

void setind(int index, float red, float green, float blue) {
    Globals* g = jqqlev(1, 3, "setind");
    if (!g || jqqval(index, 0, 255)) return;
    if (!componentsAccepted(*g, red, green, blue)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->colour.table[index] = packRgb(componentByte(red), componentByte(green), componentByte(blue));
    sendColourTableToDevice(*g);
    // Devices that take colours by value learn the new value of the colour in use.
    if (index == g->colour.current) qqsclr(*g, index);
}

// Switches the running plot to reverse screen mode, as scrmod "REVE" would
// have done before vtxini: later pages and tables are black on white too.
void revscr() {
    Globals* g = jqqlev(1, 3, "revscr");
    if (!g) return;
    g->out.screenMode = 2;
    // Devices that draw the background from entry 0 exchange it with the
    // last colour in reverse screen mode, to draw black on white.
    if (g->colour.reverse || !deviceCan(g->ctl.device, kBackgroundFromTable)) return;
    exchangeForReverseScreen(*g);
    sendColourTableToDevice(*g);
    qqsclr(*g, g->colour.current);
}

}  // namespace vtx
