#include "binding/convert.h"

#include <cstring>
#include <new>
#include <stdexcept>

#include "binding/buffer_sequence.h"
#include "binding/temporary_array.h"

namespace vtx::py {

namespace {

// Allocates n zero-filled elements, or sets MemoryError.
template <typename T>
bool allocate(std::vector<T>& out, size_t n) {
    try {
        reserveTemporary(out, n);
        out.assign(n, T{});
        return true;
    } catch (const std::exception&) {  // bad_alloc, or a size beyond what a vector can hold
        out.clear();
        PyErr_SetString(PyExc_MemoryError, "out of memory");
        return false;
    }
}

template <typename T>
int fail(std::vector<T>& out) {
    out.clear();
    out.shrink_to_fit();
    return 0;
}

template <typename T>
int fail(std::vector<T>& out, PyObject* type, const char* text) {
    PyErr_SetString(type, text);
    return fail(out);
}

// The sequence protocol says "no such item" or "no length" with a
// LookupError, TypeError or ValueError; those become the converter's own
// error. Anything else the caller's code raised (KeyboardInterrupt, a
// MemoryError, an exception class of its own) stays as it was raised.
void replaceProtocolError(PyObject* type, const char* text) {
    if (PyErr_ExceptionMatches(PyExc_LookupError) || PyErr_ExceptionMatches(PyExc_TypeError) ||
        PyErr_ExceptionMatches(PyExc_ValueError))
        PyErr_SetString(type, text);
}

template <typename T>
int failWithProtocolError(std::vector<T>& out, PyObject* type, const char* text) {
    replaceProtocolError(type, text);
    return fail(out);
}

// Float element rule: float (or subtype) narrowed to single precision, int
// (or subtype) converted; anything else is rejected.
bool floatElement(PyObject* item, float& value) {
    if (PyFloat_Check(item)) {
        value = float(PyFloat_AsDouble(item));
        return true;
    }
    if (PyLong_Check(item)) {
        double d = PyLong_AsDouble(item);
        if (d == -1.0 && PyErr_Occurred()) return false;
        value = float(d);
        return true;
    }
    PyErr_SetString(PyExc_ValueError, "no floatingpoint element in sequence");
    return false;
}

template <typename T>
bool integerElement(PyObject* item, T& value) {
    if (!PyLong_Check(item)) {
        PyErr_SetString(PyExc_ValueError, "no integer element in sequence");
        return false;
    }
    long v = PyLong_AsLong(item);
    if (v == -1 && PyErr_Occurred()) return false;
    if (sizeof(T) < sizeof(long) && (v < long(INT32_MIN) || v > long(INT32_MAX))) {
        PyErr_SetString(PyExc_OverflowError, "integer element does not fit in 32 bits");
        return false;
    }
    value = T(v);
    return true;
}

// Shared body of the one-dimensional converters for plain sequences.
// `fetchError` is the exception type of a failed item fetch (it differs
// between float and integer arrays).
template <typename T, typename ElementRule>
int convertArray(PyObject* obj, std::vector<T>& out, int n, PyObject* fetchError, ElementRule element) {
    Py_ssize_t length = getlength(obj);
    if (length < 0) return 0;
    if (length < n) return fail(out, PyExc_MemoryError, "out of range");
    if (!allocate(out, size_t(n))) return 0;
    // Lists and tuples are read from their item arrays: the element rules run
    // no Python code, so the sequence cannot change meanwhile.
    if (PyList_CheckExact(obj) || PyTuple_CheckExact(obj)) {
        PyObject** items = PySequence_Fast_ITEMS(obj);
        for (int i = 0; i < n; ++i)
            if (!element(items[i], out[i])) {
                out.clear();
                return 0;
            }
        return 1;
    }
    for (int i = 0; i < n; ++i) {
        PyObject* item = PySequence_GetItem(obj, i);
        if (!item) return failWithProtocolError(out, fetchError, "sequence error");
        bool ok = element(item, out[i]);
        Py_DECREF(item);
        if (!ok) {
            out.clear();
            return 0;
        }
    }
    return 1;
}

int readBufferFloats(const HeldBuffer& buffer, Py_ssize_t count, std::vector<float>& out) {
    try {
        buffer.readFloats(count, out);
        return 1;
    } catch (const std::exception&) {
        return fail(out, PyExc_MemoryError, "out of memory");
    }
}

// A one-dimensional float array from a buffer: the length rule and the
// errors of a list, the elements converted in one pass.
int bufferFloatArray(HeldBuffer& buffer, std::vector<float>& out, int n, Use use) {
    if (buffer.length() < n) return fail(out, PyExc_MemoryError, "out of range");
    if (buffer.dimensions() > 1) return fail(out, PyExc_ValueError, "no floatingpoint element in sequence");
    if (use == Use::ReadWrite && !buffer.acceptsResults(true)) return fail(out);
    return readBufferFloats(buffer, n, out);
}

template <typename T>
int bufferIntegerArray(HeldBuffer& buffer, std::vector<T>& out, int n, Use use) {
    if (buffer.length() < n) return fail(out, PyExc_MemoryError, "out of range");
    if (!allocate(out, size_t(n))) return 0;
    if (buffer.dimensions() > 1 || buffer.element().kind == ElementType::Float)
        return fail(out, PyExc_ValueError, "no integer element in sequence");
    if (use == Use::ReadWrite && !buffer.acceptsResults(false)) return fail(out);
    switch (buffer.readIntegers(n, out.data())) {
        case HeldBuffer::IntegerFit::All: return 1;
        case HeldBuffer::IntegerFit::BeyondLong:
            return fail(out, PyExc_OverflowError, "Python int too large to convert to C long");
        case HeldBuffer::IntegerFit::BeyondTarget:
            return fail(out, PyExc_OverflowError, "integer element does not fit in 32 bits");
    }
    return 1;
}

// A matrix from a buffer: as for nested rows, the value count is the product
// of the outer `levels` + 1 extents; deeper dimensions leave non-numbers.
int bufferMatrix(HeldBuffer& buffer, std::vector<float>& out, int levels, Py_ssize_t needed, Use use) {
    const Py_ssize_t count = buffer.leadingCount(levels + 1);
    if (count < needed) return fail(out, PyExc_MemoryError, "out of range");
    if (buffer.dimensions() > levels + 1)
        return fail(out, PyExc_ValueError, "no floatingpoint element in sequence");
    if (use == Use::ReadWrite && !buffer.acceptsResults(true)) return fail(out);
    return readBufferFloats(buffer, count, out);
}

// Row length of a nested sequence's first item: its length if it is a
// sequence, 1 for a number. -1 with an exception set on failure.
Py_ssize_t firstItemLength(PyObject* obj, PyObject** firstOut) {
    PyObject* first = PySequence_GetItem(obj, 0);
    if (!first) {
        replaceProtocolError(PyExc_ValueError, "sequence error");
        return -1;
    }
    Py_ssize_t m = 1;
    if (PySequence_Check(first) && !PyUnicode_Check(first) && !PyBytes_Check(first)) {
        m = PySequence_Size(first);
        if (m < 0) {
            Py_DECREF(first);
            replaceProtocolError(PyExc_ValueError, "sequence has no length");
            return -1;
        }
    }
    if (firstOut) *firstOut = first;
    else Py_DECREF(first);
    return m;
}

bool isRow(PyObject* item) { return PySequence_Check(item) && !PyUnicode_Check(item) && !PyBytes_Check(item); }

}  // namespace

Py_ssize_t getlength(PyObject* obj) {
    if (!PySequence_Check(obj)) {
        PyErr_SetString(PyExc_ValueError, "parameter is not a sequence");
        return -1;
    }
    Py_ssize_t length = PySequence_Size(obj);
    if (length < 0) {
        replaceProtocolError(PyExc_ValueError, "sequence has no length");
        return -1;
    }
    return length;
}

bool isConversionError() {
    PyObject* type = PyErr_Occurred();
    return type == PyExc_ValueError || type == PyExc_MemoryError || type == PyExc_OverflowError ||
           type == PyExc_TypeError;
}

int fltarray(PyObject* obj, std::vector<float>& out, int n, Use use) {
    HeldBuffer buffer;
    switch (buffer.acquire(obj)) {
        case 1: return bufferFloatArray(buffer, out, n, use);
        case -1: return fail(out);
        default: return convertArray(obj, out, n, PyExc_ValueError, floatElement);
    }
}

int intarray(PyObject* obj, std::vector<int>& out, int n, Use use) {
    HeldBuffer buffer;
    switch (buffer.acquire(obj)) {
        case 1: return bufferIntegerArray(buffer, out, n, use);
        case -1: return fail(out);
        default: return convertArray(obj, out, n, PyExc_MemoryError, integerElement<int>);
    }
}

int longarray(PyObject* obj, std::vector<long>& out, int n) {
    HeldBuffer buffer;
    switch (buffer.acquire(obj)) {
        case 1: return bufferIntegerArray(buffer, out, n, Use::Read);
        case -1: return fail(out);
        default: return convertArray(obj, out, n, PyExc_MemoryError, integerElement<long>);
    }
}

namespace {

// Reads one item of a nested matrix into out[k...]: a number is one value; a
// sequence must have lengths[0] items, each read one level further down. At
// the last level every item must be a number. A number where a row is
// expected counts as one value; `capacity` bounds what the items may fill, so
// an empty first row followed by numbers is an error, not an overrun.
bool rowsDiffer() {
    PyErr_SetString(PyExc_ValueError, "matrix rows have different lengths");
    return false;
}

bool readNested(PyObject* item, const Py_ssize_t* lengths, int levels, float* out, size_t& k, size_t capacity) {
    if (levels == 0 || !isRow(item)) return k < capacity ? floatElement(item, out[k++]) : rowsDiffer();
    const Py_ssize_t size = PySequence_Size(item);
    if (size < 0) {
        replaceProtocolError(PyExc_ValueError, "sequence has no length");
        return false;
    }
    if (size != lengths[0]) return rowsDiffer();
    // A row of numbers that exports a buffer (a NumPy row) is read in one pass.
    if (levels == 1) {
        HeldBuffer row;
        const int held = row.acquire(item);
        if (held < 0) return false;
        if (held > 0 && row.dimensions() == 1) {
            if (k + size_t(size) > capacity) return rowsDiffer();
            row.readFloats(size, out + k);
            k += size_t(size);
            return true;
        }
    }
    for (Py_ssize_t j = 0; j < lengths[0]; ++j) {
        PyObject* value = PySequence_GetItem(item, j);
        if (!value) {
            replaceProtocolError(PyExc_MemoryError, "sequence error");
            return false;
        }
        bool ok = readNested(value, lengths + 1, levels - 1, out, k, capacity);
        Py_DECREF(value);
        if (!ok) return false;
    }
    return true;
}

// Shared body of the matrix converters: `lengths` holds the row length (and
// the column length) taken from the first item; every outer item is read by
// readNested. At most outer length x the product of `lengths` values result.
int convertMatrix(PyObject* obj, Py_ssize_t length, const Py_ssize_t* lengths, int levels, Py_ssize_t needed,
                  std::vector<float>& out) {
    Py_ssize_t count = length;
    for (int i = 0; i < levels; ++i) count *= lengths[i];
    if (count < needed) return fail(out, PyExc_MemoryError, "out of range");
    if (!allocate(out, size_t(count))) return 0;
    size_t k = 0;
    for (Py_ssize_t i = 0; i < length; ++i) {
        PyObject* item = PySequence_GetItem(obj, i);
        if (!item) return failWithProtocolError(out, PyExc_ValueError, "sequence error");
        bool ok = readNested(item, lengths, levels, out.data(), k, out.size());
        Py_DECREF(item);
        if (!ok) {
            out.clear();
            return 0;
        }
    }
    return 1;
}

}  // namespace

int fltmatrix(PyObject* obj, std::vector<float>& out, int nx, int ny, Use use) {
    HeldBuffer buffer;
    switch (buffer.acquire(obj)) {
        case 1: return bufferMatrix(buffer, out, 1, Py_ssize_t(nx) * ny, use);
        case -1: return fail(out);
        default: break;
    }
    Py_ssize_t length = getlength(obj);
    if (length < 0) return 0;
    Py_ssize_t m = length > 0 ? firstItemLength(obj, nullptr) : 1;
    if (m < 0) return 0;
    return convertMatrix(obj, length, &m, 1, Py_ssize_t(nx) * Py_ssize_t(ny), out);
}

int fltmatrix3(PyObject* obj, std::vector<float>& out, int nx, int ny, int nz) {
    HeldBuffer buffer;
    switch (buffer.acquire(obj)) {
        case 1: return bufferMatrix(buffer, out, 2, Py_ssize_t(nx) * ny * nz, Use::Read);
        case -1: return fail(out);
        default: break;
    }
    Py_ssize_t length = getlength(obj);
    if (length < 0) return 0;
    Py_ssize_t lengths[2] = {1, 1};
    if (length > 0) {
        PyObject* first = nullptr;
        lengths[0] = firstItemLength(obj, &first);
        if (lengths[0] < 0) return 0;
        if (isRow(first) && lengths[0] > 0) lengths[1] = firstItemLength(first, nullptr);
        Py_DECREF(first);
        if (lengths[1] < 0) return 0;
    }
    return convertMatrix(obj, length, lengths, 2, Py_ssize_t(nx) * ny * nz, out);
}

namespace {

template <typename T, typename MakeItem>
int copyArray(const T* values, PyObject* seq, int k, MakeItem make) {
    for (int i = 0; i < k; ++i) {
        PyObject* v = make(values[i]);
        if (!v || PySequence_SetItem(seq, i, v) < 0) {
            Py_XDECREF(v);
            return 0;
        }
        Py_DECREF(v);
    }
    return 1;
}

}  // namespace

// A buffer receives the values in its own element type; 0 means the caller
// writes item by item, -1 that the buffer refused them (exception set).
int copyIntoBuffer(PyObject* seq, int k, bool floats, const void* values) {
    HeldBuffer buffer;
    const int held = buffer.acquire(seq);
    if (held <= 0) return held;
    if (!buffer.acceptsResults(floats)) return -1;
    if (buffer.leadingCount(buffer.dimensions()) < k) {
        PyErr_SetString(PyExc_IndexError, "buffer too short for the results");
        return -1;
    }
    if (floats) {
        buffer.writeFloats(k, static_cast<const float*>(values));
        return 1;
    }
    return buffer.writeIntegers(k, static_cast<const int*>(values)) ? 1 : -1;
}

int copyfloatarray(const float* values, PyObject* seq, int k) {
    if (const int done = copyIntoBuffer(seq, k, true, values)) return done > 0;
    return copyArray(values, seq, k, [](float v) { return PyFloat_FromDouble(v); });
}

int copyintarray(const int* values, PyObject* seq, int k) {
    if (const int done = copyIntoBuffer(seq, k, false, values)) return done > 0;
    return copyArray(values, seq, k, [](int v) { return PyLong_FromLong(v); });
}

int stringArgument(PyObject* obj, const char* routine, int position, std::vector<char>& out) {
    PyObject* bytes = nullptr;
    if (PyUnicode_Check(obj)) {
        bytes = PyUnicode_AsEncodedString(obj, "latin-1", "replace");
        if (!bytes) return 0;
    } else if (PyBytes_Check(obj)) {
        bytes = obj;
        Py_INCREF(bytes);
    } else {
        PyErr_Format(PyExc_TypeError, "%.200s() argument %d must be str, not %.50s", routine, position,
                     obj == Py_None ? "None" : Py_TYPE(obj)->tp_name);
        return 0;
    }
    const char* data = PyBytes_AS_STRING(bytes);
    Py_ssize_t n = PyBytes_GET_SIZE(bytes);
    if (std::memchr(data, '\0', size_t(n))) {
        Py_DECREF(bytes);
        PyErr_SetString(PyExc_ValueError, "embedded null character");
        return 0;
    }
    out.assign(data, data + n + 1);
    Py_DECREF(bytes);
    return 1;
}

}  // namespace vtx::py
