// Java applet source: a class whose paint method replays the drawing.
#include <cstring>
#include <string>

#include "core/messages.h"
#include "device/driver.h"
#include "device/output.h"

namespace vtx {

namespace {

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
}

void end(Globals& g) { outPrintf(g, "  }\n}\n"); }

void erase(Globals& g) { outPrintf(g, "  g.clearRect (0,0,%d,%d);\n", g.out.winW, g.out.winH); }

}  // namespace

extern const DeviceDriver kJavaDriver = {begin, end, nullptr, erase};

}  // namespace vtx
