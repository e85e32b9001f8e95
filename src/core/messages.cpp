#include "core/messages.h"

#include <cstdio>
#include <cstring>

#include "core/checks.h"

namespace vtx {

namespace {

// Index 0 is the blank used for numbers outside the table.
const char* const kMessages[59] = {
    " ",
    "Negative parameter",
    "Incorrect parameter",
    "Incorrect level",
    "X coordinate out of page",
    "Y coordinate out of page",
    "Same tick number as in a call before",
    "First radius greater than second radius",
    "Start angle greater/equal end angle",
    "Step equal zero",
    "Begin and end of scaling are equal",
    "Axis length < 2",
    "Startlabel out of scaling",
    "Linear scaling must be used",
    "Linear interpolation must be used",
    "No call to legini before",
    "Too long string for legend line",
    "Not enough store for the legend buffer",
    "Incorrect character after the eushft operator",
    "The basealphabet cannot be used",
    "No metafile",
    "The routine must be called after vtxfin",
    "The metafile is deleted before",
    "Non positive minimum for log scaling (set to 0.1)",
    "Non positive maximum for log scaling (set to 1.0)",
    "Minimum equal maximum (added -1 and +1)",
    "Too many intersections",
    "Non positive values for log scaling",
    "Number of bars unequal number of main ticks",
    "Sum of data is zero",
    "Incorrect number of points",
    "Incorrect number of points for spline interpolation",
    "No increasing x coordinates for spline interpolation",
    "Incorrect viewpoint",
    "No call to grfini before",
    "Confusion of graf3d and graf3",
    "File error",
    "Incorrect filename",
    "Singular matrix",
    "Too many pages for CGM file (max. length 327 cm)",
    "File format and output device are incompatible",
    "Incorrect device for HPGL file",
    "More legend lines than calls to curve",
    "Instruction code: incorrect parameter",
    "Instruction code: incorrect tabulator index",
    "Instruction code: no integer value",
    "Instruction code: unknown command",
    "Blanking buffer overflow",
    "No call to psfont",
    "Fileformat is not PostScript",
    "Incorrect sign for step",
    "Non positive parameter",
    "Hiddenline overflow",
    "Not enough memory",
    "No call to imgfin",
    "No call to imgini",
    "Incorrect file format",
    "Control characters must be different",
    "Array is out of screen",
};

// The record for message routines, created if a message comes first.
CoreRecord& record() {
    CoreRecord* g = coreRecord();
    if (!g) {
        coreLevel(0, 3, "");
        g = coreRecord();
    }
    return *g;
}

bool warningVisible(const CoreRecord& g) { return g.prot.unit != 0 && g.prot.warnOn; }

}  // namespace

bool protocolOpen(const CoreRecord& g) { return g.prot.unit != 0; }

FILE* protocolStream(const CoreRecord& g) { return g.prot.stream ? g.prot.stream : stdout; }

void protocolPrintf(CoreRecord& g, const char* format, ...) {
    if (!protocolOpen(g)) return;
    FILE* f = protocolStream(g);
    va_list args;
    va_start(args, format);
    std::vfprintf(f, format, args);
    va_end(args);
    std::fflush(f);
}

void errmes(CoreRecord& g, int number) {
    ++g.ctl.warnings;
    if (!warningVisible(g) || number > 100) return;
    if (number >= 1 && number <= 58) {
        qqcopy(g.ctl.message, kMessages[number], 80);
    } else {
        std::printf("<<<< Incorrect parameter in errmes! (%4d)\n", number);
        std::fflush(stdout);
        qqcopy(g.ctl.message, kMessages[0], 80);
    }
}

void warnin(int number) {
    CoreRecord& g = record();
    errmes(g, number);
    if (warningVisible(g))
        protocolPrintf(g, " <<<< Warning %3d: %s in %s!\n", number, g.ctl.message, g.ctl.routine);
}

void warni1(int number, int value) {
    CoreRecord& g = record();
    errmes(g, number);
    if (warningVisible(g))
        protocolPrintf(g, " <<<< Warning %3d: %s in %s!   (%4d)\n", number, g.ctl.message, g.ctl.routine,
                       value);
}

void warnc1(int number, const char* value) {
    CoreRecord& g = record();
    errmes(g, number);
    if (warningVisible(g))
        protocolPrintf(g, " <<<< Warning %3d: %s in %s!   (%s)\n", number, g.ctl.message, g.ctl.routine,
                       value);
}

void qqserr(const char* text) { qqcopy(record().ctl.message, text, 80); }

}  // namespace vtx
