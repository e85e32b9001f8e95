// Requests that read the colour table and the current colour back.
#include "session/globals.h"
#include "device/colour.h"
#include "device/colour_tables.h"

namespace vtx {

namespace {

void entryComponents(ColourEntry e, float& red, float& green, float& blue) {
    red = float(redOf(e)) / 255.0f;
    green = float(greenOf(e)) / 255.0f;
    blue = float(blueOf(e)) / 255.0f;
}

}  // namespace

int getclr() {
    Globals* g = jqqlev(1, 3, "getclr");
    return g ? g->colour.current : 0;
}

void getrgb(float& red, float& green, float& blue) {
    Globals* g = jqqlev(1, 3, "getrgb");
    if (!g) return;
    const int index = ((g->colour.current % kColourEntries) + kColourEntries) % kColourEntries;
    entryComponents(g->colour.table[index], red, green, blue);
}

void getind(int index, float& red, float& green, float& blue) {
    Globals* g = jqqlev(1, 3, "getind");
    if (!g || jqqval(index, 0, 255)) return;
    entryComponents(g->colour.table[index], red, green, blue);
}

std::string getvlt() {
    // TEMP came after the other tables and is reported under its keyword.
    static const char* const kNames[] = {"SMALL", "RAIN", "SPEC", "GREY", "RRAIN", "RSPEC", "RGREY", "VGA", "TEMP"};
    Globals* g = jqqlev(1, 3, "getvlt");
    if (!g) return "";
    const int kind = g->colour.kind;
    return kind >= 0 && kind <= 8 ? kNames[kind] : "";
}

}  // namespace vtx
