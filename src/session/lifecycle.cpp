// vtxini and vtxfin: opening and finishing the output of a plot; erase,
// newpag and sendbf act on the open output in between.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/api.h"
#include "session/api.h"
#include "session/globals.h"
#include "core/devices.h"
#include "core/files.h"
#include "core/messages.h"
#include "device/colour.h"
#include "device/driver.h"
#include "device/output.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

void chooseWindowSize(Globals& g) {
    if (g.out.winPlace == 0) placeDefaultWindow(g.out);
    else if (g.out.winPlace == 2) g.out.winX = g.out.winY = 0;
}

// Chooses the plot file name, versions it and opens the file unless the
// format is written at vtxfin or kept in memory.
void openOutput(Globals& g) {
    int device = g.ctl.device;
    g.out.lineLen = 0;
    g.out.lineBuf[0] = '\0';
    if (deviceCan(device, kToStdout)) {
        g.out.file = stdout;
        g.out.toStdout = 1;
        return;
    }
    if (g.out.fileState == 1) {
        qqcopy(g.out.savedName, g.out.fileName, kNameLen);
        g.out.fileState = 2;
    } else if (g.out.fileState == 2) {
        qqcopy(g.out.fileName, g.out.savedName, kNameLen);
    } else {
        std::snprintf(g.out.fileName, sizeof g.out.fileName, "vantix.%s", defaultExtension(device));
    }
    if (writtenAtEnd(device)) return;
    gfilnn(g, g.out.fileName, kNameLen);
    g.out.file = std::fopen(g.out.fileName, deviceCan(device, kBinaryFile) ? "wb" : "w");
    if (!g.out.file) reportFileError(g);
}

}  // namespace

void vtxini() {
    Globals* gp = jqqlev(0, 0, "vtxini");
    if (!gp) return;
    Globals& g = *gp;
    g.ctl.level = 1;
    g.ctl.vectors = 0;
    g.ctl.warnings = 0;
    g.ctl.finished = 0;
    g.ctl.pages = 1;
    resetPipeline(g);
    // Nothing has been sent to the new output yet: devices that record only
    // colour changes get the first colour of every plot, not just of the first.
    g.colour.current = 0;

    int set = g.out.screenModeSet;
    g.out.screenMode = set != 4 ? set : (deviceCan(g.ctl.device, kReverseByDefault) ? 2 : 0);
    if (g.ctl.device == 0) {
        g.ctl.device = kDefaultDevice;
        std::strcpy(g.ctl.deviceKey, kDefaultDeviceKey);
    }
    vtxlog("c");

    g.out.nxPage = int(std::lround(g.out.pageW / g.out.unitFactor));
    g.out.nyPage = int(std::lround(g.out.pageH / g.out.unitFactor));
    g.out.file = nullptr;
    g.out.toStdout = 0;
    g.out.fileError = 0;
    chooseWindowSize(g);

    // A window needs no file; its driver opens the display.
    if (deviceClass(g.ctl.device) != DeviceClass::Screen) openOutput(g);
    if (const DeviceDriver* d = deviceDriver(g.ctl.device); d && d->begin) d->begin(g);
    openProtocol(g);
    resall(g);
}

void vtxfin() {
    Globals* gp = jqqlev(1, 3, "vtxfin");
    if (!gp) return;
    Globals& g = *gp;
    qqstrk(g);  // finish the pending line style
    int device = g.ctl.device;
    DeviceClass cls = deviceClass(device);
    int fileMode = 1;
    // No file to name: a window, standard output, memory.
    if (cls == DeviceClass::Screen || deviceCan(device, kToStdout) || deviceCan(device, kInMemory) ||
        (deviceCan(device, kMemoryOption) && (g.out.pdfMode & 2)))
        fileMode = 0;
    const DeviceDriver* driver = deviceDriver(device);
    // A device without a driver writes no file to name.
    if (!driver) fileMode = 0;
    // A driver that opens its own file versioned its name at vtxini.
    if (writtenAtEnd(device) && !deviceCan(device, kOpensOwnFile) && fileMode == 1)
        gfilnn(g, g.out.fileName, kNameLen);
    if (driver && driver->end) driver->end(g);
    g.driver.pixelFonts.clear();
    if (deviceCan(device, kLineBuffered)) flushLineBuffer(g, deviceCan(device, kBinaryFile));
    closePlotFile(g);
    // A file that could not be written in full is not claimed by the banner.
    if (g.out.fileError && fileMode == 1) {
        reportFileError(g);
        fileMode = 0;
    }

    g.ctl.level = 0;
    g.ctl.finished = 1;
    vtxlog("c");
    if (deviceCan(device, kWaitsAtEnd)) {
        std::getchar();
        std::printf("\033[?38l\n");
        std::fflush(stdout);
    }
    if (closeProtocol(g)) fileMode += 10;
    dprcol(g, fileMode);
    if (fileMode % 10 == 1) runFileCommand(g);
}

void finishOpenPlot() {
    Globals* g = qqgglb();
    if (!g || g->ctl.level == 0) return;
    protocolPrintf(*g, " <<<< No call to vtxfin: the plot is finished at program exit!\n");
    vtxfin();
}

void erase() {
    Globals* g = jqqlev(1, 3, "erase");
    if (!g) return;
    qqstrk(*g);
    if (const DeviceDriver* d = deviceDriver(g->ctl.device); d && d->erase) d->erase(*g);
}

void newpag() {
    Globals* g = jqqlev(1, 1, "newpag");
    if (!g) return;
    qqstrk(*g);
    ++g->ctl.pages;
    if (const DeviceDriver* d = deviceDriver(g->ctl.device); d && d->newPage) d->newPage(*g);
    // A new page starts with the device's default attributes.
    qqsclr(*g, g->colour.current);
}

void sendbf() {
    Globals* g = jqqlev(1, 3, "sendbf");
    if (!g) return;
    qqstrk(*g);
    if (const DeviceDriver* d = deviceDriver(g->ctl.device); d && d->flush) d->flush(*g);
    if (g->out.file && std::fflush(g->out.file) != 0 && !g->out.toStdout && g->out.fileError == 0)
        g->out.fileError = 1;
}

}  // namespace vtx
