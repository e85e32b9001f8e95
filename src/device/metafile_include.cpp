// incfil and filbox: a metafile written by the library's own metafile
// device replayed onto the current page through the line pipeline, or an
// image file handed to the device's image entry, fitted into a box of the
// page. The whole file is read and checked before anything is drawn, so a
// damaged file draws nothing.
#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

#include "core/checks.h"
#include "core/messages.h"
#include "device/api.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/driver.h"
#include "device/drivers/raster/image_readers.h"
#include "device/pipeline.h"
#include "session/globals.h"

namespace vtx {

namespace {

// One replayed step: a move or draw to (x, y) in page fractions, or a colour.
struct MetaStep {
    enum Kind : unsigned char { Move, Draw, Colour } kind;
    float a, b, c;
};

struct Metafile {
    float width = 0, height = 0;  // the page of the file, size less one
    std::vector<MetaStep> steps;
};

// The records of the metafile device: the page line, then fields of which
// x y [op] draw or move (op 2 draw, 3 move, kept until changed), 4 r g b a
// colour and 9 the end. The fields are read in one pass; anything that is
// not a number, or a record out of place, makes the file unreadable.
bool readMetafile(const char* name, Metafile& meta) {
    std::FILE* f = std::fopen(name, "r");
    if (!f) return false;
    std::vector<float> field;
    for (float v; std::fscanf(f, "%f", &v) == 1;) field.push_back(v);
    std::fclose(f);
    const size_t n = field.size();
    if (n < 3) return false;
    meta.width = field[0], meta.height = field[1];
    if (!(meta.width > 0 && meta.height > 0 && meta.width < 1e6f && meta.height < 1e6f)) return false;
    auto fraction = [](float v) { return v >= 0.0f && v <= 1.0f; };
    MetaStep::Kind op = MetaStep::Move;
    for (size_t i = 2; i < n;) {
        const float first = field[i];
        if (first == 9.0f) return i + 1 == n;
        if (first == 4.0f) {
            if (i + 3 >= n) return false;
            meta.steps.push_back({MetaStep::Colour, field[i + 1], field[i + 2], field[i + 3]});
            i += 4;
        } else if (fraction(first) && i + 1 < n && fraction(field[i + 1])) {
            // An op field follows only when it changes; it applies to this point.
            if (i + 2 < n && (field[i + 2] == 2.0f || field[i + 2] == 3.0f)) {
                op = field[i + 2] == 2.0f ? MetaStep::Draw : MetaStep::Move;
                meta.steps.push_back({op, first, field[i + 1], 0.0f});
                i += 3;
            } else {
                meta.steps.push_back({op, first, field[i + 1], 0.0f});
                i += 2;
            }
        } else {
            return false;
        }
    }
    return false;
}

// The box of filbox (the whole page by default) in plot units.
void fileBox(const Globals& g, float& x, float& y, float& w, float& h) {
    x = 0, y = 0, w = float(g.out.nxPage), h = float(g.out.nyPage);
    if (g.out.fileBoxSet) {
        x = float(g.out.fileBox[0]), y = float(g.out.fileBox[1]);
        w = float(g.out.fileBox[2]), h = float(g.out.fileBox[3]);
    }
}

// An image keeps its shape, centred in the box.
void includeImage(Globals& g, const char* name) {
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->image) {
        warnText(101, "images cannot be included on this device");
        return;
    }
    ImageRGB image;
    const int status = readImageFile(name, image, g.colour.table);
    if (status == kImageNoMemory) {
        warnin(Warning::NoMemory);
        return;
    }
    if (status != kImageOk) {
        warnc1(Warning::FileError, name);
        return;
    }
    float bx, by, bw, bh;
    fileBox(g, bx, by, bw, bh);
    const float s = std::fmin(bw / float(image.width), bh / float(image.height));
    const float w = float(image.width) * s, h = float(image.height) * s;
    qqstrk(g);
    driver->image(g, image, bx + (bw - w) / 2.0f + float(g.line.originX), by + (bh - h) / 2.0f + float(g.line.originY),
                  w, h);
}

}  // namespace

void filbox(int x, int y, int w, int h) {
    Globals* g = chkini("filbox");
    if (jqqval(w, 1, kMaxPageSide) + jqqval(h, 1, kMaxPageSide) != 0) return;
    g->out.fileBoxSet = 1;
    g->out.fileBox[0] = x, g->out.fileBox[1] = y, g->out.fileBox[2] = w, g->out.fileBox[3] = h;
}

void incfil(const char* name) {
    Globals* g = jqqlev(1, 3, "incfil");
    if (!g) return;
    if (isImageFile(name)) {
        includeImage(*g, name);
        return;
    }
    Metafile meta;
    try {
        if (!readMetafile(name, meta)) {
            warnc1(Warning::FileError, name);
            return;
        }
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        return;
    }
    float bx, by, bw, bh;
    fileBox(*g, bx, by, bw, bh);
    // The file's page keeps its shape, centred in the box.
    const float longer = std::fmax(meta.width, meta.height);
    const float s = std::fmin(bw / meta.width, bh / meta.height);
    const float ox = bx + (bw - meta.width * s) / 2.0f, oy = by + (bh - meta.height * s) / 2.0f;
    qqstrk(*g);
    const ColourScope caller(*g);
    for (const MetaStep& step : meta.steps) {
        if (step.kind == MetaStep::Colour) {
            auto byte = [](float c) { return int(std::lround(std::fmin(std::fmax(c, 0.0f), 1.0f) * 255.0f)); };
            qqsclr(*g, nearestColour(*g, byte(step.a), byte(step.b), byte(step.c)));
            continue;
        }
        const float x = ox + step.a * longer * s, y = oy + (meta.height - step.b * longer) * s;
        if (step.kind == MetaStep::Draw) connqq(*g, x, y);
        else strtqq(*g, x, y);
    }
    qqstrk(*g);
}

}  // namespace vtx
