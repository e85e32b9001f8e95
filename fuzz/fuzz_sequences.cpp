// The sequence and matrix converters on arbitrary nested Python values:
// the input is decoded into lists, tuples, numbers, strings and typed
// buffers of any shape, then converted with counts taken from the input.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "binding/convert.h"

// The interpreter keeps caches for the life of the process; they are not leaks.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace {

struct Input {
    const uint8_t* p;
    size_t left;
    uint8_t byte() {
        if (!left) return 0;
        --left;
        return *p++;
    }
    template <typename T>
    T value() {
        T v{};
        const size_t n = left < sizeof v ? left : sizeof v;
        std::memcpy(&v, p, n);
        p += n, left -= n;
        return v;
    }
};

// A typed buffer over the next bytes: memoryview(bytearray).cast(format, shape).
PyObject* typedBuffer(Input& in) {
    static const char* const kFormats[] = {"d", "f", "i", "q", "B", "b", "h", "Q", "?"};
    static const int kSizes[] = {8, 4, 4, 8, 1, 1, 2, 8, 1};
    const int f = in.byte() % 9;
    const int rows = in.byte() % 9, cols = in.byte() % 9, dims = in.byte() % 3 + 1;
    const size_t items = dims == 1 ? size_t(rows) : size_t(rows) * size_t(cols);
    std::vector<uint8_t> raw(items * size_t(kSizes[f]));
    for (uint8_t& b : raw) b = in.byte();
    if (f == 8)
        for (uint8_t& b : raw) b &= 1;
    PyObject* bytes = PyByteArray_FromStringAndSize(reinterpret_cast<const char*>(raw.data()), Py_ssize_t(raw.size()));
    if (!bytes) return nullptr;
    PyObject* view = PyMemoryView_FromObject(bytes);
    Py_DECREF(bytes);
    if (!view) return nullptr;
    PyObject* shape = dims == 1 ? Py_BuildValue("[i]", rows) : Py_BuildValue("[ii]", rows, cols);
    PyObject* cast = shape ? PyObject_CallMethod(view, "cast", "sO", kFormats[f], shape) : nullptr;
    Py_XDECREF(shape);
    Py_DECREF(view);
    if (cast && in.byte() % 4 == 0) {  // a strided view: every second row or item
        PyObject* slice = PySlice_New(nullptr, nullptr, PyLong_FromLong(-2));
        PyObject* strided = slice ? PyObject_GetItem(cast, slice) : nullptr;
        Py_XDECREF(slice);
        if (strided) Py_SETREF(cast, strided);
        else PyErr_Clear();
    }
    return cast;
}

PyObject* decode(Input& in, int depth) {
    const uint8_t kind = in.byte();
    switch (depth > 4 ? kind % 6 : kind % 10) {
        case 0: return PyFloat_FromDouble(double(in.value<float>()));
        case 1: return PyFloat_FromDouble(in.value<double>());
        case 2: return PyLong_FromLongLong(in.value<int64_t>());
        case 3: {  // an int beyond every native type
            PyObject* small = PyLong_FromLong(in.value<int32_t>());
            PyObject* shift = PyLong_FromLong(64 + in.byte() % 64);
            PyObject* big = small && shift ? PyNumber_Lshift(small, shift) : nullptr;
            Py_XDECREF(small);
            Py_XDECREF(shift);
            return big;
        }
        case 4: {
            const size_t n = in.byte() % 16;
            std::string s;
            for (size_t i = 0; i < n; ++i) s += char(in.byte());
            return in.byte() & 1 ? PyBytes_FromStringAndSize(s.data(), Py_ssize_t(s.size()))
                                 : PyUnicode_DecodeLatin1(s.data(), Py_ssize_t(s.size()), nullptr);
        }
        case 5: return Py_NewRef(in.byte() & 1 ? Py_None : Py_True);
        case 6:
        case 7: {  // a list or a tuple of items
            const int n = in.byte() % 12;
            PyObject* seq = kind % 10 == 6 ? PyList_New(n) : PyTuple_New(n);
            if (!seq) return nullptr;
            for (int i = 0; i < n; ++i) {
                PyObject* item = decode(in, depth + 1);
                if (!item) item = Py_NewRef(Py_None), PyErr_Clear();
                if (kind % 10 == 6) PyList_SET_ITEM(seq, i, item);
                else PyTuple_SET_ITEM(seq, i, item);
            }
            return seq;
        }
        case 8: return typedBuffer(in);
        default: {  // a range or a dict: a sequence the converters do not expect
            const int n = in.byte() % 20;
            return in.byte() & 1 ? PyObject_CallFunction(reinterpret_cast<PyObject*>(&PyRange_Type), "i", n)
                                 : PyDict_New();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("PYTHONMALLOC", "malloc", 1);  // every allocation visible to the sanitizer
    Py_InitializeEx(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    Input in{data, size};
    const uint8_t what = in.byte();
    const int n = int(int8_t(in.byte())), nx = in.byte() % 12, ny = in.byte() % 12;
    PyObject* obj = decode(in, 0);
    if (!obj) {
        PyErr_Clear();
        return 0;
    }
    using vtx::py::Use;
    std::vector<float> floats;
    std::vector<int> ints;
    std::vector<long> longs;
    switch (what % 7) {
        case 0:
            if (vtx::py::fltarray(obj, floats, n, Use::Read) && n > 0) vtx::py::copyfloatarray(floats.data(), obj, n);
            break;
        case 1:
            if (vtx::py::intarray(obj, ints, n, Use::ReadWrite) && n > 0) vtx::py::copyintarray(ints.data(), obj, n);
            break;
        case 2: vtx::py::longarray(obj, longs, n); break;
        case 3:
            if (vtx::py::fltmatrix(obj, floats, nx, ny, Use::ReadWrite))
                vtx::py::copyfloatarray(floats.data(), obj, nx * ny);
            break;
        case 4: vtx::py::fltmatrix3(obj, floats, nx, ny, in.byte() % 6); break;
        case 5: (void)vtx::py::getlength(obj); break;
        default: {
            std::vector<char> text;
            vtx::py::stringArgument(obj, "fuzz", 1, text);
            break;
        }
    }
    PyErr_Clear();
    Py_DECREF(obj);
    return 0;
}
