#include "core/devices.h"

#include <cstring>

#include "core/api.h"
#include "core/checks.h"
#include "core/messages.h"

namespace vtx {

namespace {

struct DeviceRow {
    int number;
    const char* keyword;
    const char* extension;
    DeviceClass cls;
    unsigned capabilities;
};

constexpr DeviceRow kDevices[] = {
#define DEVICE(number, keyword, extension, cls, driver, capabilities) \
    {number, keyword, extension, DeviceClass::cls, capabilities},
#include "core/devices.def"
};

struct DeviceRange {
    int first, last;
    DeviceRow row;
};

constexpr DeviceRange kRanges[] = {
#define DEVICE_RANGE(first, last, cls, driver, capabilities) \
    {first, last, {0, "    ", "   ", DeviceClass::cls, capabilities}},
#include "core/devices.def"
};

struct DeviceKeyword {
    const char* keyword;
    int number;
};

constexpr DeviceKeyword kKeywords[] = {
#define DEVICE_KEYWORD(keyword, number) {keyword, number},
#include "core/devices.def"
};

constexpr bool fourCharacters(const char* k) {
    return k[0] != '\0' && k[1] != '\0' && k[2] != '\0' && k[3] != '\0' && k[4] == '\0';
}

constexpr bool validKeywords() {
    for (const DeviceRow& d : kDevices)
        if (!fourCharacters(d.keyword)) return false;
    for (const DeviceKeyword& k : kKeywords)
        if (!fourCharacters(k.keyword)) return false;
    return true;
}
static_assert(validKeywords(), "device keywords are four characters, padded with blanks");

constexpr bool sameKeyword(const char* a, const char* b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
}

constexpr bool distinctRows() {
    constexpr int n = sizeof kDevices / sizeof kDevices[0];
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j)
            if (kDevices[i].number == kDevices[j].number || sameKeyword(kDevices[i].keyword, kDevices[j].keyword))
                return false;
        for (const DeviceKeyword& k : kKeywords)
            if (sameKeyword(kDevices[i].keyword, k.keyword)) return false;
        for (const DeviceRange& r : kRanges)
            if (kDevices[i].number >= r.first && kDevices[i].number <= r.last) return false;
    }
    return true;
}
static_assert(distinctRows(), "each device number and keyword has one row, outside the ranges");

const DeviceRow* searchDevice(int device) {
    for (const DeviceRow& d : kDevices)
        if (d.number == device) return &d;
    for (const DeviceRange& r : kRanges)
        if (device >= r.first && device <= r.last) return &r.row;
    return nullptr;
}

// Filling and drawing ask about the current device once per shape: the last
// answer is kept (the tables never change).
const DeviceRow* findDevice(int device) {
    static thread_local int lastDevice = 0;
    static thread_local const DeviceRow* lastRow = nullptr;
    if (device != lastDevice || !lastRow) lastRow = searchDevice(device), lastDevice = device;
    return lastRow;
}

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
    for (const DeviceRow& d : kDevices)
        if (std::memcmp(d.keyword, key, 4) == 0) return d.number;
    for (const DeviceKeyword& k : kKeywords)
        if (std::memcmp(k.keyword, key, 4) == 0) return k.number;
    // MET1 to MET9 name the window that shows the metafile.
    if (key[0] == 'M' && key[1] == 'E' && key[2] == 'T' && key[3] >= '1' && key[3] <= '9') return 80;
    return 0;
}

DeviceClass deviceClass(int device) {
    const DeviceRow* d = findDevice(device);
    return d ? d->cls : DeviceClass::Unknown;
}

const char* defaultExtension(int device) {
    const DeviceRow* d = findDevice(device);
    return d ? d->extension : "   ";
}

bool deviceCan(int device, unsigned what) {
    const DeviceRow* d = findDevice(device);
    return d && (d->capabilities & what) == what;
}

void metafl(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "metafl");
    if (!g) return;
    g->prot.unit = 6;
    g->prot.stream = stdout;
    int device = deviceNumber(keyword);
    if (device == 0) {
        warnc1(Warning::IncorrectParameter, keyword);
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
