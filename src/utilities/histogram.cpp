// Frequency table of the distinct values of an array.
#include <vector>

#include "session/globals.h"
#include "core/messages.h"
#include "utilities/api.h"
#include "utilities/sorting.h"

namespace vtx {

void histog(const float* x, int n, float* values, float* counts, int& classes) {
    if (!jqqlev(0, 3, "histog")) return;
    if (jqqval(n, 1, -1)) {
        classes = 0;
        return;
    }
    // Sorted in a copy, so that the output arrays change only in the first
    // `classes` elements: callers may pass longer lists and keep the rest.
    std::vector<float> sorted(x, x + n);
    sortr1(sorted.data(), n, "A");

    int k = 0;
    values[0] = sorted[0];
    counts[0] = 1.0f;
    for (int i = 1; i < n; ++i) {
        if (sorted[i] == values[k]) {
            counts[k] += 1.0f;
        } else {
            ++k;
            values[k] = sorted[i];
            counts[k] = 1.0f;
        }
    }
    classes = k + 1;
}

}  // namespace vtx
