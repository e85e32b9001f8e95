// Binary CGM output (device 211): the metafile and picture elements, POLYLINE
// batches and LINE COLOUR, written big-endian through the 80-byte records of
// the output line buffer.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/path_buffer.h"
#include "device/output.h"

namespace vtx {

extern const DeviceDriver kCgmDriver;

namespace {

// A string's count byte holds at most 254; longer names are cut there.
constexpr int kLongestString = 254;

// Element headers: class in the top 4 bits, identifier in the next 7 and
// the parameter length in the low 5; a length of 31 announces the long form.
enum ElementHeader : unsigned {
    kBeginMetafile = 0x003F,
    kEndMetafile = 0x0040,
    kBeginPicture = 0x007F,
    kBeginPictureBody = 0x0080,
    kEndPicture = 0x00A0,
    kMetafileVersion = 0x1022,
    kMetafileDescription = 0x105F,
    kMetafileElementList = 0x1166,
    kScalingMode = 0x2026,
    kColourSelectionMode = 0x2042,
    kVdcExtent = 0x20C8,
    kBackgroundColour = 0x20E4,
    kPolyline = 0x403F,
    kCellArray = 0x413F,
    kLineColour = 0x5083,
};

// The open metafile, in the record from begin to end.
struct CgmState : DriverData {
    CgmState() : DriverData(&kCgmDriver) {}
    bool open = false;
    PathBuffer<short> path;
    int picture = 0;              // number of the current picture
    unsigned char colour[4] = {};
};

CgmState* stateOf(Globals& g) { return driverData<CgmState>(g.driver, &kCgmDriver); }

// Every byte goes through the line buffer: a record that fills up is
// written as 80 bytes and the rest of the data starts the next one.
void putBytes(Globals& g, const unsigned char* data, int n) {
    while (n > 0) {
        const int take = std::min(n, kRecordLength - g.out.lineLen);
        std::memcpy(g.out.lineBuf + g.out.lineLen, data, size_t(take));
        g.out.lineLen += take;
        data += take;
        n -= take;
        if (g.out.lineLen == kRecordLength) {
            outWrite(g, g.out.lineBuf, kRecordLength);
            g.out.lineLen = 0;
        }
    }
}

void put16(Globals& g, unsigned value) {
    const unsigned char b[2] = {static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
    putBytes(g, b, 2);
}

// Long-form element with one string parameter: length word, count byte,
// characters, and a pad byte that keeps the element on a 16-bit boundary.
void putStringElement(Globals& g, unsigned header, const char* text) {
    const int n = std::min(int(std::strlen(text)), kLongestString);
    put16(g, header);
    put16(g, unsigned(n + 1));
    const unsigned char count = static_cast<unsigned char>(n);
    putBytes(g, &count, 1);
    putBytes(g, reinterpret_cast<const unsigned char*>(text), n);
    if (n % 2 == 0) {
        const unsigned char pad = 0;
        putBytes(g, &pad, 1);
    }
}

inline short toVdc(float v) {
    if (!(v > -32768.0f)) return v != v ? 0 : -32768;
    if (v > 32767.0f) return 32767;
    return static_cast<short>(std::lround(v));
}

void flushPath(CgmState& cgm, Globals& g) {
    // A single point is no line: a move followed by nothing writes nothing.
    if (cgm.path.count < 2) return;
    put16(g, kPolyline);
    put16(g, unsigned(4 * cgm.path.count));
    for (int i = 0; i < cgm.path.count; ++i) {
        put16(g, static_cast<unsigned short>(cgm.path.x[i]));
        put16(g, static_cast<unsigned short>(cgm.path.y[i]));
    }
}

// POLYLINE batches of at most 50 points; a full batch is written and the
// next one starts at its last point, so long polylines have no gap.
void vector(Globals& g, float fx, float fy, int op) {
    CgmState* state = stateOf(g);
    if (!state || !state->open) return;
    CgmState& cgm = *state;
    const short x = toVdc(fx), y = toVdc(fy);
    if (op == kOpMove) {
        flushPath(cgm, g);
        cgm.path.restartAt(x, y);
    } else if (op == kOpDraw && cgm.path.draw(x, y)) {
        flushPath(cgm, g);
        cgm.path.restartAt(x, y);
    }
}

// VDC of 0.05 mm, y upwards; page mode 1 turns the page.
DevicePoint mapPoint(const Globals& g, float x, float y) { return metafilePoint(g, x, y); }

// VDC are integers of 0.05 mm (the metric scale of WebCGM): two per plot
// unit of 0.1 mm, fewer when a large page would leave the 16-bit range.
float vdcScale(const Globals& g) {
    const float longer = float(std::max({g.out.nxPage, g.out.nyPage, 1}));
    return std::min(2.0f * g.out.unitFactor, 32767.0f / longer);
}

void openPicture(CgmState& cgm, Globals& g) {
    ++cgm.picture;
    char name[kNameLen + 1];
    if (g.out.cgmPicture) std::snprintf(name, sizeof name, "%s", g.out.cgmPictureName);
    else std::snprintf(name, sizeof name, "Picture %d", cgm.picture);
    putStringElement(g, kBeginPicture, name);
    if (g.out.cgmVersion == 4) {
        static const unsigned char kMetric[6] = {0x00, 0x01, 0x3D, 0x4C, 0xCC, 0xC8};
        put16(g, kScalingMode);
        putBytes(g, kMetric, 6);
    }
    put16(g, kColourSelectionMode);
    put16(g, 1);  // direct colour
    float w = float(g.out.nxPage), h = float(g.out.nyPage);
    if (g.out.pageMode == 1) std::swap(w, h);
    const float s = g.out.deviceScale;
    put16(g, kVdcExtent);
    put16(g, 0), put16(g, 0);
    put16(g, static_cast<unsigned short>(toVdc(w * s))), put16(g, static_cast<unsigned short>(toVdc(h * s)));
    put16(g, kBackgroundColour);
    unsigned char bgd[4] = {255, 255, 255, 0};
    if (g.out.cgmBgdSet)
        for (int i = 0; i < 3; ++i) bgd[i] = static_cast<unsigned char>(std::clamp(g.out.cgmBgd[i], 0, 255));
    putBytes(g, bgd, 4);
    put16(g, kBeginPictureBody);
    cgm.path.count = 0;
}

void begin(Globals& g) {
    CgmState& cgm = createDriverData<CgmState>(g);
    cgm.open = true;
    g.out.deviceScale = vdcScale(g);
    putStringElement(g, kBeginMetafile, g.out.fileName);
    put16(g, kMetafileVersion);
    put16(g, unsigned(g.out.cgmVersion));
    char version[16], date[11], time[9], description[200];
    std::snprintf(version, sizeof version, "%4.1f", double(kVersion));
    currentDateTime(date, time);
    const char q = '"';
    std::snprintf(description, sizeof description, "%c%s%c,%c%s%c,%c%s %s%c,%c%s%s%c,%c%s%c", q,
                  g.out.cgmVersion == 1 ? "ProfileId:CALS" : "ProfileId:WebCGM", q, q, "ProfileEd:1.0", q, q,
                  "Source:VANTIX", version, q, q, "Date:", date, q, q, "ColourClass:colour", q);
    putStringElement(g, kMetafileDescription, description);
    static const unsigned char kElementList[6] = {0x00, 0x01, 0xFF, 0xFF, 0x00, 0x01};
    put16(g, kMetafileElementList);
    putBytes(g, kElementList, 6);
    openPicture(cgm, g);
}

void end(Globals& g) {
    CgmState* cgm = stateOf(g);
    if (!cgm || !cgm->open) return;
    flushPath(*cgm, g);
    put16(g, kEndPicture);
    put16(g, kEndMetafile);
    g.driver.data.reset();
}

void writeLineColour(CgmState& cgm, Globals& g) {
    put16(g, kLineColour);
    putBytes(g, cgm.colour, 4);
}

// Attributes restart with every picture; newpag then repeats the colour.
void newPage(Globals& g) {
    CgmState* state = stateOf(g);
    if (!state || !state->open) return;
    CgmState& cgm = *state;
    flushPath(cgm, g);
    put16(g, kEndPicture);
    openPicture(cgm, g);
}

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    CgmState* state = stateOf(g);
    if (!state || !state->open) return;
    CgmState& cgm = *state;
    flushPath(cgm, g);
    cgm.path.endStroke();
    cgm.colour[0] = static_cast<unsigned char>(std::clamp(red, 0, 255));
    cgm.colour[1] = static_cast<unsigned char>(std::clamp(green, 0, 255));
    cgm.colour[2] = static_cast<unsigned char>(std::clamp(blue, 0, 255));
    writeLineColour(cgm, g);
}

void putVdcPoint(std::vector<unsigned char>& out, const DevicePoint& p) {
    for (const float v : {p.x, p.y}) {
        const unsigned w = static_cast<unsigned short>(toVdc(v));
        out.push_back(static_cast<unsigned char>(w >> 8)), out.push_back(static_cast<unsigned char>(w));
    }
}

void putWord(std::vector<unsigned char>& out, unsigned w) {
    out.push_back(static_cast<unsigned char>(w >> 8)), out.push_back(static_cast<unsigned char>(w));
}

// CELL ARRAY: corners P (first cell of the first row), Q (the opposite
// corner) and R (the end of the first row), the size, 8-bit direct colour,
// packed rows each padded to a whole word. Long parameter lists are split
// into partitions of at most 32766 bytes, all but the last flagged.
void image(Globals& g, const ImageRGB& img, float x, float y, float w, float h) {
    CgmState* state = stateOf(g);
    if (!state || !state->open || img.bytesPerPixel != 3 || img.width > 32767 || img.height > 32767) return;
    CgmState& cgm = *state;
    std::vector<unsigned char> data;
    try {
        const std::size_t rowBytes = std::size_t(img.width) * 3;
        data.reserve(20 + (rowBytes + 1) * std::size_t(img.height));
        putVdcPoint(data, mapPoint(g, x, y));
        putVdcPoint(data, mapPoint(g, x + w, y + h));
        putVdcPoint(data, mapPoint(g, x + w, y));
        putWord(data, unsigned(img.width)), putWord(data, unsigned(img.height));
        putWord(data, 8);  // local colour precision
        putWord(data, 1);  // packed list
        for (int row = 0; row < img.height; ++row) {
            const unsigned char* p = img.pixel(0, row);
            data.insert(data.end(), p, p + rowBytes);
            if (rowBytes % 2) data.push_back(0);
        }
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        return;
    }
    flushPath(cgm, g);
    cgm.path.endStroke();
    constexpr std::size_t kPartition = 32766;
    put16(g, kCellArray);
    for (std::size_t at = 0; at < data.size(); at += kPartition) {
        const std::size_t n = std::min(kPartition, data.size() - at);
        put16(g, unsigned(n) | (at + n < data.size() ? 0x8000u : 0u));
        putBytes(g, data.data() + at, int(n));
    }
}

}  // namespace

extern const DeviceDriver kCgmDriver = {
    begin,     // begin: metafile description and the first picture
    end,       // end: END PICTURE and END METAFILE
    newPage,   // newPage: the next picture
    nullptr,   // erase
    mapPoint,  // mapPoint: VDC of 0.05 mm, y upwards
    vector,    // vector: POLYLINE batches
    colour,    // colour: LINE COLOUR
    nullptr,   // lineAttribute
    nullptr,   // clipRect
    nullptr,   // polygon
    nullptr,   // colourTable
    nullptr,   // selectFont
    nullptr,   // character
    nullptr,   // flush
    image,     // image: CELL ARRAY
};

}  // namespace vtx
