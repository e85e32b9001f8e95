// Output devices: numbers, keywords, classes and default file names.
#pragma once

namespace vtx {

enum class DeviceClass { Unknown, Screen, Terminal, Metafile, Kyocera, Hpgl, PostScript, Raster, Java, Svg };

// Device number of a keyword (first four characters, any case), 0 if unknown.
int deviceNumber(const char* keyword);

DeviceClass deviceClass(int device);

// Extension of the default file name "vantix.<ext>"; three blanks if none.
const char* defaultExtension(int device);

// Devices whose file is written at vtxfin (or kept in memory) rather than opened at vtxini.
bool writtenAtEnd(int device);

// True if an X display can be opened.
bool displayAvailable();

}  // namespace vtx
