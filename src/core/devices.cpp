#include "core/devices.h"

#include <cstring>

#include "core/api.h"
#include "core/checks.h"
#include "core/messages.h"

namespace vtx {

namespace {

struct DeviceEntry {
    const char* key;
    int number;
};

const DeviceEntry kDevices[] = {
    {"XWIN", 72}, {"XWI1", 72}, {"XWI2", 73}, {"XWI3", 74}, {"XWI4", 75}, {"XWI5", 76}, {"XWI6", 77},
    {"XWI7", 78}, {"XWI8", 79}, {"XWND", 80}, {"CONS", 101}, {"VT34", 103}, {"TEKT", 151}, {"LN03", 161},
    {"VXME", 201}, {"CGM ", 211}, {"WMF ", 221}, {"KYOC", 301}, {"HPGL", 401}, {"HPA4", 402}, {"HPA3", 403},
    {"HPA2", 404}, {"HPA1", 405}, {"POST", 501}, {"PSCL", 502}, {"EPS ", 503}, {"PS  ", 504}, {"PDF ", 511},
    {"TIFF", 601}, {"IMAG", 602}, {"VIRT", 603}, {"PNG ", 604}, {"PPM ", 605}, {"BMP ", 606}, {"GIF ", 607},
    {"JAVA", 701}, {"SVG ", 801},
};

struct ExtensionEntry {
    int first, last;
    const char* ext;
};

const ExtensionEntry kExtensions[] = {
    {201, 201, "met"}, {211, 211, "cgm"}, {221, 221, "wmf"}, {301, 301, "kyo"}, {401, 405, "hpg"},
    {151, 151, "tek"}, {161, 161, "ln3"}, {501, 502, "psc"}, {503, 503, "eps"}, {504, 504, "ps"},
    {511, 511, "pdf"}, {601, 601, "tif"}, {602, 602, "img"}, {604, 604, "png"}, {605, 605, "ppm"},
    {606, 606, "bmp"}, {607, 607, "gif"}, {701, 701, "java"}, {801, 801, "svg"},
};

// The user's keyword as the device table compares it: four characters,
// upper case, padded with blanks.
void tableKey(const char* keyword, char key[5]) {
    std::memset(key, ' ', 4);
    key[4] = '\0';
    for (int i = 0; i < 4 && keyword[i]; ++i)
        key[i] = upperAscii(keyword[i]);
}

}  // namespace

int deviceNumber(const char* keyword) {
    char key[5];
    tableKey(keyword, key);
    for (const DeviceEntry& d : kDevices)
        if (std::memcmp(d.key, key, 4) == 0) return d.number;
    if (key[0] == 'M' && key[1] == 'E' && key[2] == 'T' && key[3] >= '1' && key[3] <= '9') return 80;
    return 0;
}

DeviceClass deviceClass(int device) {
    if (device <= 0) return DeviceClass::Unknown;
    if (device <= 100) return DeviceClass::Screen;
    if (device <= 200) return DeviceClass::Terminal;
    if (device <= 300) return DeviceClass::Metafile;
    if (device <= 400) return DeviceClass::Kyocera;
    if (device <= 500) return DeviceClass::Hpgl;
    if (device <= 600) return DeviceClass::PostScript;
    if (device <= 700) return DeviceClass::Raster;
    if (device == 701) return DeviceClass::Java;
    if (device == 801) return DeviceClass::Svg;
    return DeviceClass::Unknown;
}

const char* defaultExtension(int device) {
    for (const ExtensionEntry& e : kExtensions)
        if (device >= e.first && device <= e.last) return e.ext;
    return "   ";
}

bool writtenAtEnd(int device) {
    return deviceClass(device) == DeviceClass::Raster || device == 221 || device == 511;
}

void metafl(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "metafl");
    if (!g) return;
    g->prot.unit = 6;
    g->prot.stream = stdout;
    int device = deviceNumber(keyword);
    if (device == 0) {
        warnc1(2, keyword);
        return;
    }
    if (device == 101 && displayAvailable()) device = 80;
    g->ctl.device = device;
    int i = 0;
    for (; i < 4 && keyword[i]; ++i)
        g->ctl.deviceKey[i] = upperAscii(keyword[i]);
    g->ctl.deviceKey[i] = '\0';
    g->ctl.deviceChosen = 1;
}

void setfil(const char* name) {
    CoreRecord* g = coreLevel(0, 0, "setfil");
    if (!g) return;
    qqcopy(g->out.fileName, name, kNameLen);
    g->out.fileState = 1;
}

void filmod(const char* mode) {
    CoreRecord* g = coreLevel(0, 3, "filmod");
    if (!g) return;
    int i = jqqind("COUN+DELE+BREA", 3, mode);
    if (i) g->out.fileMode = i - 1;
}

}  // namespace vtx
