// The path buffer of the vector drivers (PostScript, SVG, CGM): a path holds
// at most 50 points; a full path is written and the next one starts at its
// last point, and after a stroke a following draw continues from where the
// stroked path ended, so long polylines are written without a gap.
#pragma once

namespace vtx {

template <typename T>
struct PathBuffer {
    static constexpr int kCapacity = 50;
    T x[kCapacity] = {}, y[kCapacity] = {};
    int count = 0;
    T lastX = 0, lastY = 0;  // end of the previous path, for a following draw

    // Appends a drawn point; true when the path is full and must be written.
    bool draw(T px, T py) {
        if (count == 0) {
            x[0] = lastX, y[0] = lastY;
            count = 1;
        }
        x[count] = px, y[count] = py;
        return ++count >= kCapacity;
    }

    // After the path was written: a following draw continues from its end.
    void endStroke() {
        if (count != 0) lastX = x[count - 1], lastY = y[count - 1];
        count = 0;
    }

    // After the path was written: the next path starts at (px, py).
    void restartAt(T px, T py) {
        x[0] = px, y[0] = py;
        count = 1;
    }

    void clear() {
        count = 0;
        lastX = lastY = 0;
    }
};

}  // namespace vtx
