// Java applet source: a class whose paint method replays the drawing.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/messages.h"
#include "device/driver.h"
#include "device/output.h"

namespace vtx {

namespace {

int lastX = 0, lastY = 0;  // the last device position, start of the next line

// The class is named after the file: the part after the last '/', up to its first point.
std::string className(const char* fileName) {
    const char* base = std::strrchr(fileName, '/');
    std::string name = base ? base + 1 : fileName;
    return name.substr(0, name.find('.'));
}

void begin(Globals& g) {
    char date[11], time[9];
    currentDateTime(date, time);
    outPrintf(g, "// VANTIX Java Metafile\n");
    outPrintf(g, "// Creator: VANTIX %4.1f\n", kVersion);
    outPrintf(g, "// Date   : %s, %s\n", date, time);
    outPrintf(g, "// Size   : %d %d\n", g.out.winW, g.out.winH);
    outPrintf(g, "\n");
    outPrintf(g, "import java.applet.*;\n");
    outPrintf(g, "import java.awt.*;\n\n");
    outPrintf(g, "public class %s extends Applet {\n", className(g.out.fileName).c_str());
    outPrintf(g, "public void paint(Graphics g) {\n");
    // The page fills the applet's area as it would fill a window of that size.
    float w = float(std::max(g.out.nxPage, 1)), h = float(std::max(g.out.nyPage, 1));
    if (g.out.pageMode == 1) std::swap(w, h);
    g.out.deviceScale = std::min(float(g.out.winW - 1) / w, float(g.out.winH - 1) / h);
    lastX = lastY = 0;
}

void end(Globals& g) { outPrintf(g, "  }\n}\n"); }

void erase(Globals& g) { outPrintf(g, "  g.clearRect (0,0,%d,%d);\n", g.out.winW, g.out.winH); }

void vector(Globals& g, float x, float y, int op) {
    if (op != kOpDraw && op != kOpMove) return;
    int nx = int(x), ny = int(y);
    if (op == kOpDraw) outPrintf(g, "  g.drawLine (%d,%d,%d,%d);\n", lastX, lastY, nx, ny);
    lastX = nx, lastY = ny;
}

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    outPrintf(g, "  g.setColor (new Color (%d,%d,%d));\n", std::clamp(red, 0, 255), std::clamp(green, 0, 255),
              std::clamp(blue, 0, 255));
}

}  // namespace

extern const DeviceDriver kJavaDriver = {begin, end, nullptr, erase, vector, colour, nullptr, nullptr, nullptr};

}  // namespace vtx
