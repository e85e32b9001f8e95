// Protocol switches and destination, the end banner and the usage log.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "core/api.h"
#include "core/checks.h"
#include "core/files.h"
#include "core/messages.h"

namespace vtx {

std::tm wallClock() {
    std::tm t{};
    // SOURCE_DATE_EPOCH (seconds since 1970, UTC) makes every stamped file reproducible.
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (*end == '\0' && seconds >= 0 && seconds < 253402300800LL) {
            const std::time_t fixed = std::time_t(seconds);
            gmtime_r(&fixed, &t);
            return t;
        }
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &t);
    return t;
}

void currentDateTime(char date[11], char time[9]) {
    const std::tm t = wallClock();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%4d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    qqcopy(date, buffer, 10);
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    qqcopy(time, buffer, 8);
}

const char* installDirectory() {
    const char* dir = std::getenv("VANTIX");
    return (dir && *dir) ? dir : "/usr/local/vantix";
}

void errmod(const char* item, const char* mode) {
    CoreRecord* g = coreChkini("errmod");
    int i = jqqind("WARN+CHEC+PROT+ALL ", 4, item);
    int m = jqqind("OFF +ON  ", 2, mode);
    if (i == 0 || m == 0) return;
    int on = m - 1;
    if (i == 1 || i == 4) g->prot.warnOn = on;
    if (i == 2 || i == 4) g->prot.checkOn = on;
    if (i == 3 || i == 4) g->prot.protOn = on;
}

void errdev(const char* destination) {
    CoreRecord* g = coreLevel(0, 0, "errdev");
    if (!g) return;
    int i = jqqind("CONS+FILE", 2, destination);
    if (i) g->prot.toFile = i - 1;
}

void errfil(const char* name) {
    CoreRecord* g = coreLevel(0, 0, "errfil");
    if (!g) return;
    qqcopy(g->prot.fileName, name, kNameLen);
    g->prot.fileNameSet = 1;
}

void winapp(const char* mode) {
    CoreRecord* g = coreLevel(0, 0, "winapp");
    if (!g) return;
    int i = jqqind("CONS+WIND", 2, mode);
    if (i) g->prot.winApp = i - 1;
}

void unit(FILE* stream) {
    CoreRecord* g = coreChkini("unit");
    g->prot.stream = stream;
    g->prot.unit = !stream ? 0 : (stream == stdout ? 6 : 1);
}

void openProtocol(CoreRecord& g) {
    g.prot.usingFile = 0;
    g.prot.fileStream = stdout;
    if (!(g.prot.winApp || g.prot.toFile || g.out.toStdout)) return;
    qqcopy(g.prot.usedName, g.prot.fileNameSet ? g.prot.fileName : "vantix.err", kNameLen);
    gfilnn(g, g.prot.usedName, kNameLen);
    FILE* f = std::fopen(g.prot.usedName, "w");
    if (!f) {
        warnc1(Warning::FileError, g.prot.usedName);
        return;
    }
    g.prot.fileStream = f;
    g.prot.usingFile = 1;
}

bool closeProtocol(CoreRecord& g) {
    if (!g.prot.usingFile) return false;
    FILE* f = g.prot.fileStream;
    bool written = std::ftell(f) > 0;
    std::fclose(f);
    // An empty protocol file is not kept; a device named by errfil stays.
    if (!written && isRegularFile(g.prot.usedName)) std::remove(g.prot.usedName);
    g.prot.fileStream = stdout;
    g.prot.usingFile = 0;
    if (g.prot.unit == 17) {
        g.prot.unit = 6;
        g.prot.stream = stdout;
    } else if (g.prot.stream == f) {
        g.prot.stream = stdout;
    }
    return written;
}

void dprcol(CoreRecord& g, int fileMode) {
    if (!protocolOpen(g) || !g.prot.protOn) return;
    static const char kRule[] = " <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<";
    char date[11], time[9];
    currentDateTime(date, time);
    char vectors[24], warnings[24];
    std::snprintf(vectors, sizeof vectors, "%ld", g.ctl.vectors);
    std::snprintf(warnings, sizeof warnings, "%d", g.ctl.warnings);
    char patch[2] = {kPatchLevel ? char(kPatchLevel + 64) : ' ', '\0'};

    protocolPrintf(g, "\n%s", kRule);
    protocolPrintf(g, "\n <<                END OF VANTIX / VERSION %4.1f %s                <<", kVersion, patch);
    protocolPrintf(g, "\n <<  Date    : %10s  Time    : %8s  Pageformat: %4s  <<", date, time, g.out.pageKey);
    protocolPrintf(g, "\n <<  Vectors : %-10s  Warnings: %-8s  Fileformat: %4s  <<", vectors, warnings,
                   g.ctl.deviceKey);
    char line[64];
    if (fileMode != 10) {
        std::snprintf(line, sizeof line, "Metafile: %.48s", fileMode != 0 ? g.out.fileName : "");
        protocolPrintf(g, "\n <<  %-58s  <<", line);
    }
    if (fileMode > 9) {
        std::snprintf(line, sizeof line, "Err-file: %.48s", g.prot.usedName);
        protocolPrintf(g, "\n <<  %-58s  <<", line);
    }
    protocolPrintf(g, "\n%s\n\n", kRule);
}

void vtxlog(const char* argument) {
    static bool written = false;
    if (written) return;
    if (std::strcmp(argument, "none") == 0) {
        written = true;
        return;
    }
    std::string path = std::string(installDirectory()) + "/vantix.log";
    FILE* f = std::fopen(path.c_str(), "a");
    if (!f) return;
    written = true;
    const char* user = std::getenv("LOGNAME");
    if (!user || !*user) user = std::getenv("USER");
    if (!user || !*user) user = "unknown";
    char date[11], time[9];
    currentDateTime(date, time);
    std::fprintf(f, "%-12s %10s  %8s %4.1f  %s\n", user, date, time, kVersion, argument);
    std::fclose(f);
}

}  // namespace vtx
