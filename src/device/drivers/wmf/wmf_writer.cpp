#include "device/drivers/wmf/wmf_writer.h"

#include <cstring>

namespace vtx {

namespace {

enum Function : unsigned {
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetTextAlign = 0x012E,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kTextOut = 0x0521,
    kCreatePen = 0x02FA,
    kCreateFont = 0x02FB,
    kCreateBrush = 0x02FC,
};

constexpr unsigned kAnisotropic = 8, kTransparent = 1, kAlternate = 1, kBaselineLeft = 24;

}  // namespace

WmfWriter::WmfWriter(int width, int height, int inch) : width_(width), height_(height), inch_(inch) {
    record(kSetMapMode, 4), records_.put_le16(kAnisotropic);
    record(kSetWindowOrg, 5), records_.put_le16(0), records_.put_le16(0);
    record(kSetWindowExt, 5), records_.put_le16(unsigned(height)), records_.put_le16(unsigned(width));
    record(kSetBkMode, 4), records_.put_le16(kTransparent);
    record(kSetPolyFillMode, 4), records_.put_le16(kAlternate);
    record(kSetTextAlign, 4), records_.put_le16(kBaselineLeft);
}

void WmfWriter::record(unsigned function, std::uint32_t words) {
    if (words > maxRecord_) maxRecord_ = words;
    records_.put_le32(words);
    records_.put_le16(function);
}

namespace {

int freeSlot(bool* used, int slots, int& objects) {
    for (int i = 0; i < slots; ++i) {
        if (used[i]) continue;
        used[i] = true;
        if (i + 1 > objects) objects = i + 1;
        return i;
    }
    return -1;
}

}  // namespace

int WmfWriter::createPen(int width, std::uint32_t colour) {
    const int slot = freeSlot(used_, kSlots, objects_);
    if (slot < 0) return -1;
    record(kCreatePen, 8);
    records_.put_le16(0);  // solid
    records_.put_le16(unsigned(width)), records_.put_le16(0);
    records_.put_le32(colour);
    return slot;
}

int WmfWriter::createBrush(std::uint32_t colour) {
    const int slot = freeSlot(used_, kSlots, objects_);
    if (slot < 0) return -1;
    record(kCreateBrush, 7);
    records_.put_le16(0);  // solid
    records_.put_le32(colour);
    records_.put_le16(0);
    return slot;
}

int WmfWriter::createFont(int height, int escapement, int weight, bool italic, const char* face) {
    const int slot = freeSlot(used_, kSlots, objects_);
    if (slot < 0) return -1;
    record(kCreateFont, 3 + 9 + 16);
    // A negative height asks for the character height rather than the cell.
    records_.put_le16(unsigned(-height)), records_.put_le16(0);
    records_.put_le16(unsigned(escapement)), records_.put_le16(unsigned(escapement));
    records_.put_le16(unsigned(weight));
    const unsigned char flags[8] = {static_cast<unsigned char>(italic ? 1 : 0), 0, 0, 0 /*ANSI*/, 0, 0, 0, 0};
    records_.putBytes(flags, sizeof flags);
    char name[32] = {};
    std::strncpy(name, face, sizeof name - 1);
    records_.putBytes(name, sizeof name);
    return slot;
}

void WmfWriter::selectObject(int slot) {
    if (slot < 0) return;
    record(kSelectObject, 4), records_.put_le16(unsigned(slot));
}

void WmfWriter::deleteObject(int slot) {
    if (slot < 0 || slot >= kSlots || !used_[slot]) return;
    used_[slot] = false;
    record(kDeleteObject, 4), records_.put_le16(unsigned(slot));
}

void WmfWriter::points(const WmfPoint* p, int n) {
    records_.put_le16(unsigned(n));
    unsigned char* out = records_.append(size_t(n) * 4);
    for (int i = 0; i < n; ++i, out += 4) {
        OutputBuffer::storeLe16(out, unsigned(std::uint16_t(p[i].x)));
        OutputBuffer::storeLe16(out + 2, unsigned(std::uint16_t(p[i].y)));
    }
}

void WmfWriter::polyline(const WmfPoint* p, int n) {
    if (n < 2 || n > kMaxPoints) return;
    record(kPolyline, 4 + 2 * std::uint32_t(n));
    points(p, n);
}

void WmfWriter::polygon(const WmfPoint* p, int n) {
    if (n < 3 || n > kMaxPoints) return;
    record(kPolygon, 4 + 2 * std::uint32_t(n));
    points(p, n);
}

void WmfWriter::textColour(std::uint32_t colour) { record(kSetTextColor, 5), records_.put_le32(colour); }

void WmfWriter::textOut(int x, int y, const char* text, int length) {
    if (length <= 0) return;
    const int padded = (length + 1) & ~1;
    record(kTextOut, 3 + 1 + std::uint32_t(padded / 2) + 2);
    records_.put_le16(unsigned(length));
    records_.putBytes(text, size_t(length));
    if (padded != length) records_.put8(0);
    records_.put_le16(unsigned(std::uint16_t(std::int16_t(y))));
    records_.put_le16(unsigned(std::uint16_t(std::int16_t(x))));
}

std::vector<unsigned char> WmfWriter::finish(bool placeable) const {
    OutputBuffer file;
    if (placeable) {
        unsigned char head[22];
        OutputBuffer::storeLe32(head, 0x9AC6CDD7u);
        OutputBuffer::storeLe16(head + 4, 0);
        OutputBuffer::storeLe16(head + 6, 0), OutputBuffer::storeLe16(head + 8, 0);
        OutputBuffer::storeLe16(head + 10, unsigned(width_)), OutputBuffer::storeLe16(head + 12, unsigned(height_));
        OutputBuffer::storeLe16(head + 14, unsigned(inch_));
        OutputBuffer::storeLe32(head + 16, 0);
        // The checksum is the XOR of the ten words before it.
        unsigned sum = 0;
        for (int i = 0; i < 20; i += 2) sum ^= unsigned(head[i]) | unsigned(head[i + 1]) << 8;
        OutputBuffer::storeLe16(head + 20, sum);
        file.putBytes(head, sizeof head);
    }
    const std::uint32_t words = 9 + std::uint32_t(records_.size() / 2) + 3;
    file.put_le16(1);       // in memory
    file.put_le16(9);       // header words
    file.put_le16(0x0300);  // version
    file.put_le32(words);
    file.put_le16(unsigned(objects_));
    file.put_le32(maxRecord_);
    file.put_le16(0);
    file.putBytes(records_.data(), records_.size());
    file.put_le32(3), file.put_le16(0);  // end record
    return std::vector<unsigned char>(file.data(), file.data() + file.size());
}

}  // namespace vtx
