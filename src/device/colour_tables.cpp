#include "device/colour_tables.h"

#include <cmath>
#include <utility>

#include "core/devices.h"
#include "device/device_state.h"

namespace vtx {

namespace {

// The rainbow: black, dark violet through blue, cyan, green and yellow to
// red, then white.
const ColourEntry kRainbow[kColourEntries] = {
    0x000000, 0x220044, 0x26004D, 0x2B0055, 0x2F005E, 0x330066, 0x33006F, 0x330077, 0x330080, 0x330088, 0x330091, 0x330099, 0x3300A2, 0x3300AA, 0x3000B1, 0x2C00B8,
    0x2900BE, 0x2500C5, 0x2200CC, 0x2200D5, 0x2200DD, 0x2200E6, 0x2200EE, 0x1E00F2, 0x1900F7, 0x1500FB, 0x1100FF, 0x0D00FF, 0x0800FF, 0x0400FF, 0x0000FF, 0x0004FF,
    0x0008FF, 0x000CFF, 0x0010FF, 0x0014FF, 0x0018FF, 0x001CFF, 0x0020FF, 0x0024FF, 0x0028FF, 0x002CFF, 0x0030FF, 0x0033FF, 0x0036FF, 0x003AFF, 0x003DFF, 0x0040FF,
    0x0044FF, 0x0048FF, 0x004CFF, 0x0050FF, 0x0054FF, 0x0058FF, 0x005CFF, 0x0060FF, 0x0064FF, 0x0068FF, 0x006CFF, 0x0070FF, 0x0074FF, 0x0078FF, 0x007CFF, 0x0080FF,
    0x0084FF, 0x0088FF, 0x008CFF, 0x0090FF, 0x0093FF, 0x0096FF, 0x009AFF, 0x009DFF, 0x00A0FF, 0x00A4FF, 0x00A8FF, 0x00ACFF, 0x00B0FF, 0x00B4FF, 0x00B8FF, 0x00BCFF,
    0x00C0FF, 0x00C4FF, 0x00C8FF, 0x00CCFF, 0x00D0FF, 0x00D4FF, 0x00D8FF, 0x00DCFF, 0x00E0FF, 0x00E4FF, 0x00E8FF, 0x00ECFF, 0x00F0FF, 0x00F4FF, 0x00F8FF, 0x00FBFF,
    0x00FFFF, 0x00FFFC, 0x00FFF8, 0x00FFF5, 0x00FFF1, 0x00FFEE, 0x00FFEA, 0x00FFE5, 0x00FFE1, 0x00FFDD, 0x00FFD9, 0x00FFD4, 0x00FFD0, 0x00FFCC, 0x00FFC8, 0x00FFC3,
    0x00FFBF, 0x00FFBB, 0x00FFB7, 0x00FFB2, 0x00FFAE, 0x00FFAA, 0x00FFA1, 0x00FF99, 0x00FF90, 0x00FF88, 0x00FF7F, 0x00FF77, 0x00FF6E, 0x00FF66, 0x00FF5F, 0x00FF58,
    0x00FF52, 0x00FF4B, 0x00FF44, 0x00FF3B, 0x00FF33, 0x00FF2A, 0x00FF22, 0x00FF19, 0x00FF11, 0x00FF08, 0x00FF00, 0x09FF00, 0x11FF00, 0x1AFF00, 0x22FF00, 0x2BFF00,
    0x33FF00, 0x3CFF00, 0x44FF00, 0x48FF00, 0x4DFF00, 0x51FF00, 0x55FF00, 0x59FF00, 0x5EFF00, 0x62FF00, 0x66FF00, 0x69FF00, 0x6DFF00, 0x70FF00, 0x74FF00, 0x77FF00,
    0x7BFF00, 0x80FF00, 0x84FF00, 0x88FF00, 0x8CFF00, 0x91FF00, 0x95FF00, 0x99FF00, 0x9DFF00, 0xA2FF00, 0xA6FF00, 0xAAFF00, 0xAEFF00, 0xB3FF00, 0xB7FF00, 0xBBFF00,
    0xBFFF00, 0xC4FF00, 0xC8FF00, 0xCCFF00, 0xD0FF00, 0xD5FF00, 0xD9FF00, 0xDDFF00, 0xE0FF00, 0xE4FF00, 0xE7FF00, 0xEBFF00, 0xEEFF00, 0xF2FF00, 0xF7FF00, 0xFBFF00,
    0xFFFF00, 0xFFFB00, 0xFFF600, 0xFFF200, 0xFFEE00, 0xFFEA00, 0xFFE500, 0xFFE100, 0xFFDD00, 0xFFD900, 0xFFD400, 0xFFD000, 0xFFCC00, 0xFFC800, 0xFFC300, 0xFFBF00,
    0xFFBB00, 0xFFB800, 0xFFB400, 0xFFB100, 0xFFAD00, 0xFFAA00, 0xFFA600, 0xFFA100, 0xFF9D00, 0xFF9900, 0xFF9500, 0xFF9000, 0xFF8C00, 0xFF8800, 0xFF8400, 0xFF7F00,
    0xFF7B00, 0xFF7700, 0xFF7300, 0xFF6E00, 0xFF6A00, 0xFF6600, 0xFF6200, 0xFF5D00, 0xFF5900, 0xFF5500, 0xFF5100, 0xFF4C00, 0xFF4800, 0xFF4400, 0xFF4100, 0xFF3D00,
    0xFF3A00, 0xFF3600, 0xFF3300, 0xFF2F00, 0xFF2A00, 0xFF2600, 0xFF2200, 0xFF1E00, 0xFF1900, 0xFF1500, 0xFF1100, 0xFF0D00, 0xFF0800, 0xFF0400, 0xFF0000, 0xFFFFFF,
};

const ColourEntry kSmall[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF5500, 0x00FFFF, 0xFF00FF};

const ColourEntry kVga[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                              0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

// Colour-name maps, columns WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC.
const int kSmallNames[kColourNames] = {1, 2, 3, 5, 4, 6, 7, 8, 1};
const int kRainbowNames[kColourNames] = {255, 254, 138, 192, 30, 223, 96, 13, 0};
const int kSpectrumNames[kColourNames] = {255, 254, 154, 205, 53, 235, 103, 1, 0};
const int kGreyNames[kColourNames] = {255, 230, 185, 150, 95, 215, 175, 110, 255};
const int kVgaNames[kColourNames] = {15, 4, 2, 14, 1, 12, 3, 5, 0};

bool isReversed(int kind) { return kind == kVltRRain || kind == kVltRSpec || kind == kVltRGrey; }

int roundHalfUp(float x) { return int(std::floor(x + 0.5f)); }

// The spectrum: blue, cyan, green, yellow and red joined by linear ramps,
// with the four pure colours at the joints held exact.
ColourEntry spectrumEntry(int i) {
    switch (i) {
        case 0: return 0x000000;
        case 52: return 0x0000FF;
        case 102: return 0x00FFFF;
        case 153: return 0x00FF00;
        case 204: return 0xFFFF00;
        case 255: return 0xFFFFFF;
        default: break;
    }
    float t = 5.0f * float(i - 1) / 253.0f;
    int k = int(t);
    if (k > 4) k = 4;
    float f = t - float(k);
    int up = roundHalfUp(255.0f * f), down = roundHalfUp(255.0f * (1.0f - f));
    switch (k) {
        case 0: return packRgb(down, 0, 255);
        case 1: return packRgb(0, up, 255);
        case 2: return packRgb(0, 255, down);
        case 3: return packRgb(up, 255, 0);
        default: return packRgb(255, down, 0);
    }
}

// Temperature: red rises first, then green, then blue, ending in white.
ColourEntry temperatureEntry(int i) {
    int red = i < 150 ? int(std::lround(1.7f * float(i))) : 255;
    int green = i < 120 ? 0 : int(std::lround(float(i - 120) * 1.8888889f));
    int blue = i < 190 ? 0 : int(std::lround(float(i - 190) * 3.9230769f));
    return packRgb(red, green, blue);
}

}  // namespace

int colourTableEntries(int kind) {
    if (kind == kVltSmall) return 9;
    if (kind == kVltVga) return 16;
    return kColourEntries;
}

int lastColourIndex(int kind) {
    if (kind == kVltSmall) return 1;  // white is entry 1 of the small table
    if (kind == kVltVga) return 15;
    return 255;
}

int scaleRangeEnd(int kind) {
    if (kind == kVltSmall) return 8;
    if (kind == kVltVga) return 14;
    return 254;
}

bool isPlainRamp(int kind) { return kind == kVltRain || kind == kVltSpec || kind == kVltGrey; }

void fillColourTable(int kind, int device, ColourEntry table[kColourEntries]) {
    switch (kind) {
        case kVltSmall:
            for (int i = 0; i < 9; ++i) table[i] = kSmall[i];
            if (deviceCan(device, kSwapsShortTables)) std::swap(table[0], table[1]);
            return;
        case kVltVga:
            for (int i = 0; i < 16; ++i) table[i] = kVga[i];
            if (deviceCan(device, kSwapsShortTables)) std::swap(table[0], table[15]);
            return;
        case kVltRain:
        case kVltRRain:
            for (int i = 0; i < kColourEntries; ++i) table[i] = kRainbow[i];
            break;
        case kVltSpec:
        case kVltRSpec:
            for (int i = 0; i < kColourEntries; ++i) table[i] = spectrumEntry(i);
            break;
        case kVltGrey:
        case kVltRGrey:
            for (int i = 0; i < kColourEntries; ++i) table[i] = ColourEntry(i) * 0x010101u;
            break;
        case kVltTemp:
            for (int i = 0; i < kColourEntries; ++i) table[i] = temperatureEntry(i);
            break;
        default:
            return;
    }
    if (isReversed(kind))
        for (int i = 0; i < kColourEntries / 2; ++i) std::swap(table[i], table[255 - i]);
}

void fillColourNameMap(int kind, int device, int map[kColourNames]) {
    const int* row;
    switch (kind) {
        case kVltSmall: row = kSmallNames; break;
        case kVltSpec: case kVltRSpec: row = kSpectrumNames; break;
        case kVltGrey: case kVltRGrey: row = kGreyNames; break;
        case kVltVga: row = kVgaNames; break;
        default: row = kRainbowNames; break;
    }
    for (int i = 0; i < kColourNames; ++i) map[i] = row[i];
    if (deviceCan(device, kWhiteIsEntryZero) && isPlainRamp(kind)) map[0] = 0;
    if (isReversed(kind))
        for (int i = 1; i <= 7; ++i) map[i] = 255 - row[i];
}

}  // namespace vtx
