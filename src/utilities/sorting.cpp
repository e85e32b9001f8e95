// Shell sort of one array, or of x/y pairs by x, in either order.
#include <utility>

#include "session/globals.h"
#include "core/messages.h"
#include "utilities/sorting.h"

namespace vtx {

namespace {

// 1 ascending, -1 descending, 0 (with warning 2) for any other order.
int sortDirection(const char* order) {
    char c = upperAscii(order[0]);
    if (c == 'A') return 1;
    if (c == 'D') return -1;
    warnc1(Warning::IncorrectParameter, order);
    return 0;
}

// Gaps n/2, n/4, ..., 1; an element moves back while its pair is out of order.
// `partner` (may be null) moves along with `keys`.
void shellSort(float* keys, float* partner, int n, int direction) {
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < n; ++i) {
            for (int j = i - gap; j >= 0; j -= gap) {
                bool outOfOrder = direction > 0 ? keys[j] > keys[j + gap] : keys[j] < keys[j + gap];
                if (!outOfOrder) break;
                std::swap(keys[j], keys[j + gap]);
                if (partner) std::swap(partner[j], partner[j + gap]);
            }
        }
    }
}

}  // namespace

void sortr1(float* x, int n, const char* order) {
    if (!jqqlev(0, 3, "sortr1")) return;
    int direction = sortDirection(order);
    if (direction && n > 1) shellSort(x, nullptr, n, direction);
}

void sortr2(float* x, float* y, int n, const char* order) {
    if (!jqqlev(0, 3, "sortr2")) return;
    int direction = sortDirection(order);
    if (direction && n > 1) shellSort(x, y, n, direction);
}

}  // namespace vtx
