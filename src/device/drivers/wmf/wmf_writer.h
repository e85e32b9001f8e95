// Windows Metafile records: a writer that collects the record stream of one
// picture in memory and produces the file (optional placeable header,
// standard header, records, end record) once the picture is complete, when
// the record count and the largest record are known. Little-endian
// throughout; no state beyond the buffer and the object table.
#pragma once

#include <cstdint>
#include <vector>

#include "device/drivers/raster/byte_order.h"

namespace vtx {

// 0x00BBGGRR, the colour reference of the records.
inline std::uint32_t wmfColour(int red, int green, int blue) {
    return std::uint32_t(red & 255) | std::uint32_t(green & 255) << 8 | std::uint32_t(blue & 255) << 16;
}

struct WmfPoint {
    std::int16_t x, y;
};

class WmfWriter {
   public:
    // The picture spans (0, 0) to (width, height) logical units; `inch` of
    // them make an inch.
    WmfWriter(int width, int height, int inch);

    // Objects get the lowest free slot of the table, as readers assign them.
    int createPen(int width, std::uint32_t colour);
    int createBrush(std::uint32_t colour);
    int createFont(int height, int escapement, int weight, bool italic, const char* face);
    void selectObject(int slot);
    void deleteObject(int slot);

    void polyline(const WmfPoint* points, int n);
    void polygon(const WmfPoint* points, int n);
    void textColour(std::uint32_t colour);
    void textOut(int x, int y, const char* text, int length);

    // The complete file: placeable header (when asked for), header, records
    // and the end record.
    std::vector<unsigned char> finish(bool placeable) const;

    // The largest point count of one polyline or polygon record.
    static constexpr int kMaxPoints = 8000;

   private:
    void record(unsigned function, std::uint32_t words);
    void points(const WmfPoint* p, int n);

    OutputBuffer records_;
    std::uint32_t maxRecord_ = 3;  // words, the end record at least
    int width_, height_, inch_;
    static constexpr int kSlots = 16;
    bool used_[kSlots] = {};
    int objects_ = 0;  // table size the records need
};

}  // namespace vtx
