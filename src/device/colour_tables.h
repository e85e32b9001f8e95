// The predefined colour tables and what a table kind implies on a device:
// its entries, its colour-name map, its size and its foreground colour.
#pragma once

#include <cstdint>

namespace vtx {

// One table entry: red * 65536 + green * 256 + blue, each 0..255.
using ColourEntry = std::uint32_t;

constexpr int kColourEntries = 256;
constexpr int kColourNames = 9;  // WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC

inline ColourEntry packRgb(int red, int green, int blue) {
    return ColourEntry(red & 255) << 16 | ColourEntry(green & 255) << 8 | ColourEntry(blue & 255);
}
inline int redOf(ColourEntry e) { return int(e >> 16 & 255); }
inline int greenOf(ColourEntry e) { return int(e >> 8 & 255); }
inline int blueOf(ColourEntry e) { return int(e & 255); }

// Entries a kind defines, which are also the entries setrgb searches:
// 9 for SMAL, 16 for VGA, 256 for the others.
int colourTableEntries(int kind);

// The last colour of a kind (1 for SMAL, 15 for VGA, else 255): the one that
// trades places with entry 0 in reverse screen mode.
int lastColourIndex(int kind);

// Last index of the colour scales after loading a kind (they start at 1):
// 8 for SMAL, 14 for VGA, else 254.
int scaleRangeEnd(int kind);

// True for the rainbow, spectrum and grey tables (kinds 1 to 3), which some
// paper devices draw with inverted foreground and background.
bool isPlainRamp(int kind);

// Writes the entries of a kind into the table, with the exchanges the device
// asks for; entries beyond the kind's size are left as they are.
void fillColourTable(int kind, int device, ColourEntry table[kColourEntries]);

// The table index of each colour name for a kind on a device.
void fillColourNameMap(int kind, int device, int map[kColourNames]);

}  // namespace vtx
