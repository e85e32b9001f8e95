// Java applet source: a class whose paint method replays the drawing.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/output.h"

namespace vtx {

extern const DeviceDriver kJavaDriver;

namespace {

// The open applet, in the record from begin to end.
struct JavaState : DriverData {
    JavaState() : DriverData(&kJavaDriver) {}
    int lastX = 0, lastY = 0;  // the last device position, start of the next line
};

JavaState* stateOf(Globals& g) { return driverData<JavaState>(g.driver, &kJavaDriver); }

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
    createDriverData<JavaState>(g);
}

void end(Globals& g) {
    outPrintf(g, "  }\n}\n");
    g.driver.data.reset();
}

void erase(Globals& g) { outPrintf(g, "  g.clearRect (0,0,%d,%d);\n", g.out.winW, g.out.winH); }

void vector(Globals& g, float x, float y, int op) {
    JavaState* java = stateOf(g);
    if (!java) return;
    int nx = int(x), ny = int(y);
    if (op == kOpDraw) outPrintf(g, "  g.drawLine (%d,%d,%d,%d);\n", java->lastX, java->lastY, nx, ny);
    java->lastX = nx, java->lastY = ny;
}

// Pixels of the applet's area, y downwards, like a window.
DevicePoint mapPoint(const Globals& g, float x, float y) { return windowPoint(g, x, y); }

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    outPrintf(g, "  g.setColor (new Color (%d,%d,%d));\n", std::clamp(red, 0, 255), std::clamp(green, 0, 255),
              std::clamp(blue, 0, 255));
}

}  // namespace

extern const DeviceDriver kJavaDriver = {
    begin,     // begin: the class and its paint method
    end,       // end: closes the method and the class
    nullptr,   // newPage
    erase,     // erase: clearRect
    mapPoint,  // mapPoint: pixels, y downwards
    vector,    // vector: drawLine from the last position
    colour,    // colour: setColor
    nullptr,   // lineAttribute
    nullptr,   // clipRect
    nullptr,   // polygon
    nullptr,   // colourTable
    nullptr,   // selectFont
    nullptr,   // character
    nullptr,   // flush
    nullptr,   // image
};

}  // namespace vtx
