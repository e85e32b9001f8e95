// Frequency table of the distinct values of an array.
#include "core/checks.h"
#include "core/messages.h"
#include "utilities/api.h"

namespace vtx {

namespace {

// Shell sort with halving gaps. Only "a > b" is ever asked, so NaN values
// stay where they are instead of upsetting the order of the others.
void shellSortAscending(float* a, int n) {
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < n; ++i) {
            for (int j = i - gap; j >= 0 && a[j] > a[j + gap]; j -= gap) {
                float t = a[j];
                a[j] = a[j + gap];
                a[j + gap] = t;
            }
        }
    }
}

}  // namespace

void histog(const float* x, int n, float* values, float* counts, int& classes) {
    if (!jqqlev(0, 3, "histog")) return;
    if (jqqval(n, 1, -1)) {
        classes = 0;
        return;
    }
    for (int i = 0; i < n; ++i) values[i] = x[i];
    shellSortAscending(values, n);

    int k = 0;
    counts[0] = 1.0f;
    for (int i = 1; i < n; ++i) {
        if (values[i] == values[k]) {
            counts[k] += 1.0f;
        } else {
            ++k;
            values[k] = values[i];
            counts[k] = 1.0f;
        }
    }
    classes = k + 1;
}

}  // namespace vtx
