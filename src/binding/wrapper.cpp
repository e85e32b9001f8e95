#include "binding/wrapper.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace vtx::py {

namespace {

struct SequencePlan {
    char kind = 0;
    int count = 0;       // elements of a one-dimensional sequence
    int nx = 0, ny = 0;  // dimensions of a matrix
};

// Reads the element kind of the k-th sequence, with an optional fixed count
// ("F3") or a number of elements beyond the count ("F+3").
bool elementKind(const char* elements, int k, char& kind, int& fixed, int& extra) {
    for (const char* c = elements; *c; ++c) {
        if (!std::isalpha(static_cast<unsigned char>(*c))) continue;
        if (k-- > 0) continue;
        kind = *c;
        fixed = extra = 0;
        const char* d = c + 1;
        int* target = &fixed;
        if (*d == '+') target = &extra, ++d;
        for (; std::isdigit(static_cast<unsigned char>(*d)); ++d) *target = *target * 10 + (*d - '0');
        return true;
    }
    return false;
}

// The count of a sequence at Python position p: the integer that follows its
// group, or for a trailing group the one before it.
int countFor(const char* letters, const long* ints, int p) {
    for (int q = p + 1; letters[q]; ++q)
        if (letters[q] == 'i') return int(ints[q]);
    for (int q = p - 1; q >= 0; --q)
        if (letters[q] == 'i') return int(ints[q]);
    return 0;
}

// Matrix dimensions: the two integers right after it, else the counts of the
// two sequences before it.
void matrixDims(const char* letters, const long* ints, int p, int& nx, int& ny) {
    if (letters[p + 1] == 'i' && letters[p + 2] == 'i') {
        nx = int(ints[p + 1]), ny = int(ints[p + 2]);
        return;
    }
    int found[2] = {0, 0}, k = 0;
    for (int q = p - 1; q >= 0 && k < 2; --q)
        if (letters[q] == 'i') found[k++] = int(ints[q]);
    nx = found[1], ny = found[0];
}

bool isMatrix(char kind) { return kind == 'M' || kind == 'm'; }
bool writesBack(char kind) { return kind == 'f' || kind == 'i' || kind == 'm'; }

}  // namespace

int convertSequences(const RoutineRow& row, const long* ints, PyObject* const* objects, SequenceBuffer* buffers) {
    const char* letters = row.letters;
    SequencePlan plan[64];
    int k = 0;
    for (int p = 0; letters[p] && p < 64; ++p) {
        if (letters[p] != 'O') continue;
        int fixed = 0, extra = 0;
        if (!elementKind(row.elements, k++, plan[p].kind, fixed, extra)) continue;
        if (isMatrix(plan[p].kind)) {
            matrixDims(letters, ints, p, plan[p].nx, plan[p].ny);
            if (plan[p].nx <= 0 || plan[p].ny <= 0) return -1;
        } else {
            plan[p].count = fixed ? fixed : countFor(letters, ints, p);
            if (plan[p].count <= 0) return -1;
            // A count near the integer limit cannot be met by any sequence.
            plan[p].count = int(std::min<long long>(static_cast<long long>(plan[p].count) + extra, INT_MAX));
        }
    }

    PyObject *type = nullptr, *value = nullptr, *trace = nullptr;
    for (int p = 0; letters[p] && p < 64; ++p) {
        char kind = plan[p].kind;
        if (letters[p] != 'O' || !kind) continue;
        SequenceBuffer& b = buffers[p];
        b.kind = kind;
        b.source = objects[p];
        const Use use = writesBack(kind) ? Use::ReadWrite : Use::Read;
        int ok;
        switch (kind) {
            case 'F': case 'f': ok = fltarray(objects[p], b.f, plan[p].count, use); break;
            case 'I': case 'i': ok = intarray(objects[p], b.i, plan[p].count, use); break;
            case 'L': ok = longarray(objects[p], b.l, plan[p].count); break;
            default: ok = fltmatrix(objects[p], b.f, plan[p].nx, plan[p].ny, use); break;
        }
        if (ok) {
            if (writesBack(kind)) b.writeBack = isMatrix(kind) ? plan[p].nx * plan[p].ny : plan[p].count;
            continue;
        }
        // An interrupt or an error of the caller's own code ends the conversion
        // at once and is reported as raised, whatever came before it.
        if (!isConversionError()) {
            Py_XDECREF(type), Py_XDECREF(value), Py_XDECREF(trace);
            return 0;
        }
        // Keep only the latest failure; the others are dropped.
        Py_XDECREF(type), Py_XDECREF(value), Py_XDECREF(trace);
        PyErr_Fetch(&type, &value, &trace);
    }
    if (type) {
        PyErr_Restore(type, value, trace);
        return 0;
    }
    return 1;
}

namespace {

// A matrix goes back in the shape it came in: values in order into the rows
// of a list of rows, one value into each plain item of a flat list.
int copyMatrixBack(const float* values, PyObject* matrix, int k) {
    const Py_ssize_t outer = PySequence_Size(matrix);
    if (outer < 0) return 0;
    int done = 0;
    for (Py_ssize_t i = 0; i < outer && done < k; ++i) {
        PyObject* item = PySequence_GetItem(matrix, i);
        if (!item) return 0;
        const bool row = PySequence_Check(item) && !PyUnicode_Check(item) && !PyBytes_Check(item);
        int ok;
        if (row) {
            const Py_ssize_t m = PySequence_Size(item);
            const int n = m < 0 ? 0 : int(std::min<Py_ssize_t>(m, k - done));
            ok = m >= 0 && copyfloatarray(values + done, item, n);
            done += n;
        } else {
            PyObject* v = PyFloat_FromDouble(values[done++]);
            ok = v && PySequence_SetItem(matrix, i, v) == 0;
            Py_XDECREF(v);
        }
        Py_DECREF(item);
        if (!ok) return 0;
    }
    return 1;
}

}  // namespace

int writeBackSequences(const RoutineRow& row, SequenceBuffer* buffers) {
    for (int p = 0; row.letters[p] && p < 64; ++p) {
        SequenceBuffer& b = buffers[p];
        if (!b.writeBack) continue;
        int ok = b.kind == 'i'        ? copyintarray(b.i.data(), b.source, b.writeBack)
                 : isMatrix(b.kind) ? copyMatrixBack(b.f.data(), b.source, b.writeBack)
                                      : copyfloatarray(b.f.data(), b.source, b.writeBack);
        if (!ok) return 0;
    }
    return 1;
}

PyObject* toPython(int v) { return PyLong_FromLong(v); }
PyObject* toPython(float v) { return PyFloat_FromDouble(double(v)); }
PyObject* toPython(const std::string& v) { return PyUnicode_DecodeLatin1(v.data(), Py_ssize_t(v.size()), nullptr); }

}  // namespace vtx::py
