// Output devices: numbers, keywords, classes, default file names and the
// capabilities that the rest of the library asks about. The devices are
// listed in core/devices.def.
#pragma once

namespace vtx {

enum class DeviceClass { Unknown, Screen, Terminal, Metafile, Kyocera, Hpgl, PostScript, Raster, Java, Svg };

// What a device can do or needs; one bit each, combined in devices.def.
enum DeviceCapability : unsigned {
    kWrittenAtEnd = 1u << 0,          // the file is written at vtxfin (or kept in memory), not opened at vtxini
    kOpensOwnFile = 1u << 1,          // the driver names and opens its file itself at vtxini
    kMemoryOption = 1u << 2,          // pdfmod BUFF keeps the document in memory instead of a file
    kInMemory = 1u << 3,              // drawn into memory only, never written to a file
    kToStdout = 1u << 4,              // written to standard output
    kBinaryFile = 1u << 5,            // the file holds binary records
    kLineBuffered = 1u << 6,          // written through the 80-character output line, flushed at vtxfin
    kWaitsAtEnd = 1u << 7,            // vtxfin waits for the return key and resets the terminal
    kFillsPolygons = 1u << 8,         // solid polygons are filled by the device rather than by hatch lines
    kDeviceFonts = 1u << 9,           // characters may be drawn in the device's own fonts (psfont, hwfont)
    kHardwareLines = 1u << 10,        // line widths, caps and joins are written in the device's language
    kReverseByDefault = 1u << 11,     // screen mode AUTO means reverse: dark lines on white paper
    kBackgroundFromTable = 1u << 12,  // the background is colour 0, exchanged with the last in reverse mode
    kSwapsShortTables = 1u << 13,     // SMAL and VGA swap their first and last entries (black drawing surface)
    kPaperForeground = 1u << 14,      // plain colour ramps draw on white paper: foreground 0, background 255
    kWhiteIsEntryZero = 1u << 15,     // the colour name WHITE is entry 0 of the plain ramps
    kGreyDefaultTable = 1u << 16,     // a new plot starts with the reversed grey table
    kFineSolidHatch = 1u << 17,       // the solid hatch pattern needs lines 0.4 units apart
    kPixelSurface = 1u << 18,         // drawn into the pixel surface: pixel access, saving as an image file
    kFontsOnRequest = 1u << 19,       // device fonts only after the format's own setting asks for them (wmfmod)
};

// The device chosen when the program chooses none.
constexpr int kDefaultDevice = 201;
constexpr const char* kDefaultDeviceKey = "VXME";

// Device number of a keyword (first four characters, any case), 0 if unknown.
int deviceNumber(const char* keyword);

DeviceClass deviceClass(int device);

// Extension of the default file name "vantix.<ext>"; three blanks if none.
const char* defaultExtension(int device);

// True if the device has every capability in `what`; false for unknown devices.
bool deviceCan(int device, unsigned what);

// Devices whose file is written at vtxfin (or kept in memory) rather than opened at vtxini.
inline bool writtenAtEnd(int device) { return deviceCan(device, kWrittenAtEnd); }

// True if an X display can be opened.
bool displayAvailable();

}  // namespace vtx
