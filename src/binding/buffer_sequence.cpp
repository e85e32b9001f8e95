#include "binding/buffer_sequence.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <type_traits>

#include "binding/temporary_array.h"

namespace vtx::py {

namespace {

ElementType elementTypeOf(const char* format, Py_ssize_t itemsize) {
    ElementType t;
    if (!format) format = "B";
    char order = '@';
    if (*format && std::strchr("@=<>!", *format)) order = *format++;
    if (!format[0] || format[1]) return t;
    const bool little = PY_LITTLE_ENDIAN != 0;
    t.swapped = (order == '<' && !little) || ((order == '>' || order == '!') && little);
    t.size = int(itemsize);
    const bool integerSize = itemsize == 1 || itemsize == 2 || itemsize == 4 || itemsize == 8;
    switch (format[0]) {
        case '?':
            if (itemsize == 1) t.kind = ElementType::Bool;
            break;
        case 'b': case 'h': case 'i': case 'l': case 'q': case 'n':
            if (integerSize) t.kind = ElementType::Signed;
            break;
        case 'B': case 'H': case 'I': case 'L': case 'Q': case 'N':
            if (integerSize) t.kind = ElementType::Unsigned;
            break;
        case 'e': case 'f': case 'd':
            if (itemsize == 2 || itemsize == 4 || itemsize == 8) t.kind = ElementType::Float;
            break;
        case 'g':
            // Extended precision only in this machine's own layout.
            if (itemsize == Py_ssize_t(sizeof(long double)) && !t.swapped) t.kind = ElementType::Float;
            break;
        default:
            break;
    }
    return t;
}

// Calls run(first, stride, length) for the runs of the innermost dimension
// that cover the first `count` elements in row-major order. A C-contiguous
// buffer is a single run.
template <typename Run>
void forEachRun(const Py_buffer& v, Py_ssize_t count, Run&& run) {
    const char* base = static_cast<const char*>(v.buf);
    if (count <= 0) return;
    if (v.ndim == 1 || PyBuffer_IsContiguous(&v, 'C')) {
        run(base, v.ndim == 1 ? v.strides[0] : v.itemsize, count);
        return;
    }
    const int last = v.ndim - 1;
    Py_ssize_t index[PyBUF_MAX_NDIM] = {};
    while (count > 0 && v.shape[last] > 0) {
        const char* p = base;
        for (int d = 0; d < last; ++d) p += index[d] * v.strides[d];
        const Py_ssize_t n = count < v.shape[last] ? count : v.shape[last];
        run(p, v.strides[last], n);
        count -= n;
        for (int d = last - 1; d >= 0 && ++index[d] == v.shape[d]; --d) index[d] = 0;
    }
}

// Element types that need decoding before use.
struct BoolByte { std::uint8_t value; };
struct Half { std::uint16_t bits; };

float halfToFloat(std::uint16_t h) {
    const int exponent = (h >> 10) & 0x1f;
    const int mantissa = h & 0x3ff;
    float magnitude;
    if (exponent == 0) magnitude = std::ldexp(float(mantissa), -24);
    else if (exponent == 31) magnitude = mantissa ? std::numeric_limits<float>::quiet_NaN()
                                                  : std::numeric_limits<float>::infinity();
    else magnitude = std::ldexp(float(mantissa | 0x400), exponent - 25);
    return (h & 0x8000) ? -magnitude : magnitude;
}

template <typename T, bool Swap>
inline T load(const char* p) {
    T v;
    if constexpr (Swap && sizeof(T) > 1) {
        char bytes[sizeof(T)];
        for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = p[sizeof(T) - 1 - i];
        std::memcpy(&v, bytes, sizeof v);
    } else {
        std::memcpy(&v, p, sizeof v);
    }
    return v;
}

template <typename T, bool Swap>
inline void store(char* p, T v) {
    if constexpr (Swap && sizeof(T) > 1) {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof v);
        for (size_t i = 0; i < sizeof(T); ++i) p[i] = bytes[sizeof(T) - 1 - i];
    } else {
        std::memcpy(p, &v, sizeof v);
    }
}

// One run of elements of type T: run[i] is the i-th, decoded from memory.
// Contiguous runs have a constant stride the compiler can vectorise for.
template <typename T, bool Swap, bool Contiguous>
struct Run {
    using Element = T;
    char* first;
    Py_ssize_t stride;
    char* at(Py_ssize_t i) const { return first + i * (Contiguous ? Py_ssize_t(sizeof(T)) : stride); }
    T operator[](Py_ssize_t i) const { return load<T, Swap>(at(i)); }
    void set(Py_ssize_t i, T v) const { store<T, Swap>(at(i), v); }
};

template <typename T, bool Swap, typename Fn>
void visitRunsOf(const Py_buffer& v, Py_ssize_t count, Fn& fn) {
    forEachRun(v, count, [&](const char* p, Py_ssize_t stride, Py_ssize_t n) {
        char* first = const_cast<char*>(p);
        if (stride == Py_ssize_t(sizeof(T))) fn(Run<T, Swap, true>{first, stride}, n);
        else fn(Run<T, Swap, false>{first, stride}, n);
    });
}

float toFloat(BoolByte b) { return b.value ? 1.0f : 0.0f; }
float toFloat(Half h) { return halfToFloat(h.bits); }
// Integers go through double as Python ints do, so both round alike.
template <typename T>
float toFloat(T x) {
    if constexpr (std::is_integral_v<T>) return float(double(x));
    else return float(x);
}

// The elements of a run as floats, for filling a vector in one pass.
template <typename R>
struct FloatsOf {
    using iterator_category = std::forward_iterator_tag;
    using value_type = float;
    using difference_type = std::ptrdiff_t;
    using pointer = const float*;
    using reference = float;
    R run;
    Py_ssize_t i;
    float operator*() const { return toFloat(run[i]); }
    FloatsOf& operator++() {
        ++i;
        return *this;
    }
    FloatsOf operator++(int) {
        FloatsOf before = *this;
        ++i;
        return before;
    }
    bool operator==(const FloatsOf& other) const { return i == other.i; }
    bool operator!=(const FloatsOf& other) const { return i != other.i; }
};

// Calls fn(run, n) for the runs covering the first `count` elements, typed
// by the element type (BoolByte and Half for the two that need decoding).
template <typename Fn>
void visitRuns(const Py_buffer& v, const ElementType& t, Py_ssize_t count, Fn&& fn) {
    auto visit = [&](auto tag) {
        using T = decltype(tag);
        if (t.swapped) visitRunsOf<T, true>(v, count, fn);
        else visitRunsOf<T, false>(v, count, fn);
    };
    switch (t.kind) {
        case ElementType::Bool: visit(BoolByte{}); break;
        case ElementType::Signed:
            if (t.size == 1) visit(std::int8_t{});
            else if (t.size == 2) visit(std::int16_t{});
            else if (t.size == 4) visit(std::int32_t{});
            else visit(std::int64_t{});
            break;
        case ElementType::Unsigned:
            if (t.size == 1) visit(std::uint8_t{});
            else if (t.size == 2) visit(std::uint16_t{});
            else if (t.size == 4) visit(std::uint32_t{});
            else visit(std::uint64_t{});
            break;
        case ElementType::Float:
            if (t.size == 2) visit(Half{});
            else if (t.size == 4) visit(float{});
            else if (t.size == 8) visit(double{});
            else visit(static_cast<long double>(0));
            break;
        case ElementType::Unsupported: break;
    }
}

}  // namespace

HeldBuffer::~HeldBuffer() {
    if (held_) PyBuffer_Release(&view_);
}

int HeldBuffer::acquire(PyObject* obj) {
    if (!PyObject_CheckBuffer(obj) || !PySequence_Check(obj)) return 0;
    if (PyObject_GetBuffer(obj, &view_, PyBUF_RECORDS_RO) < 0) {
        // An exporter that cannot describe its memory this way (object
        // arrays, indirect buffers) is read item by item instead.
        if (PyErr_ExceptionMatches(PyExc_BufferError) || PyErr_ExceptionMatches(PyExc_TypeError) ||
            PyErr_ExceptionMatches(PyExc_ValueError) || PyErr_ExceptionMatches(PyExc_NotImplementedError)) {
            PyErr_Clear();
            return 0;
        }
        return -1;
    }
    // Scalars, object arrays, records and complex numbers are read item by
    // item, which gives them exactly the treatment of a list.
    element_ = elementTypeOf(view_.format, view_.itemsize);
    if (view_.ndim < 1 || element_.kind == ElementType::Unsupported) {
        PyBuffer_Release(&view_);
        return 0;
    }
    held_ = true;
    return 1;
}

Py_ssize_t HeldBuffer::leadingCount(int levels) const {
    Py_ssize_t count = 1;
    for (int d = 0; d < levels && d < view_.ndim; ++d) count *= view_.shape[d];
    return count;
}

void HeldBuffer::readFloats(Py_ssize_t count, std::vector<float>& out) const {
    reserveTemporary(out, size_t(count));
    // A buffer that is one run (one-dimensional, or contiguous) fills the
    // vector as it is read, without zero-filling it first.
    if (view_.ndim == 1 || PyBuffer_IsContiguous(&view_, 'C')) {
        visitRuns(view_, element_, count, [&](auto run, Py_ssize_t n) {
            using Floats = FloatsOf<decltype(run)>;
            out.assign(Floats{run, 0}, Floats{run, n});
        });
        return;
    }
    out.assign(size_t(count), 0.0f);
    readFloats(count, out.data());
}

void HeldBuffer::readFloats(Py_ssize_t count, float* out) const {
    visitRuns(view_, element_, count, [&](auto run, Py_ssize_t n) {
        float* o = out;
        out += n;
        for (Py_ssize_t i = 0; i < n; ++i) o[i] = toFloat(run[i]);
    });
}

template <typename T>
HeldBuffer::IntegerFit HeldBuffer::readIntegers(Py_ssize_t count, T* out) const {
    IntegerFit fit = IntegerFit::All;
    visitRuns(view_, element_, count, [&](auto run, Py_ssize_t n) {
        using E = typename decltype(run)::Element;
        T* o = out;
        out += n;
        for (Py_ssize_t i = 0; i < n; ++i) {
            if constexpr (std::is_same_v<E, BoolByte>) {
                o[i] = run[i].value ? 1 : 0;
            } else if constexpr (std::is_integral_v<E>) {
                const E x = run[i];
                if constexpr (std::is_unsigned_v<E> && sizeof(E) >= sizeof(long)) {
                    if (x > E(LONG_MAX)) {
                        if (fit == IntegerFit::All) fit = IntegerFit::BeyondLong;
                        continue;
                    }
                }
                const long value = long(x);
                if (value < long(std::numeric_limits<T>::min()) || value > long(std::numeric_limits<T>::max())) {
                    if (fit == IntegerFit::All) fit = IntegerFit::BeyondTarget;
                    continue;
                }
                o[i] = T(value);
            }
            // Float kinds are refused before reading.
        }
    });
    return fit;
}

template HeldBuffer::IntegerFit HeldBuffer::readIntegers<int>(Py_ssize_t, int*) const;
template HeldBuffer::IntegerFit HeldBuffer::readIntegers<long>(Py_ssize_t, long*) const;

bool HeldBuffer::acceptsResults(bool floats) const {
    if (view_.readonly) {
        PyErr_SetString(PyExc_TypeError, "cannot store results in a read-only buffer");
        return false;
    }
    const bool ok = floats ? element_.kind == ElementType::Float && element_.size != 2
                           : element_.kind == ElementType::Signed || element_.kind == ElementType::Unsigned;
    if (!ok) {
        PyErr_Format(PyExc_TypeError, "cannot store %s results in a buffer of format '%s'",
                     floats ? "floating-point" : "integer", view_.format ? view_.format : "B");
        return false;
    }
    return true;
}

void HeldBuffer::writeFloats(Py_ssize_t count, const float* values) {
    visitRuns(view_, element_, count, [&](auto run, Py_ssize_t n) {
        using T = typename decltype(run)::Element;
        if constexpr (std::is_floating_point_v<T>)
            for (Py_ssize_t i = 0; i < n; ++i) run.set(i, T(values[i]));
        values += n;
    });
}

bool HeldBuffer::writeIntegers(Py_ssize_t count, const int* values) {
    // Checked before anything is stored, so a refused write changes nothing.
    long long lowest = 0, highest = 0;
    for (Py_ssize_t i = 0; i < count; ++i) {
        if (values[i] < lowest) lowest = values[i];
        if (values[i] > highest) highest = values[i];
    }
    const int bits = 8 * element_.size;
    const bool fits = element_.kind == ElementType::Signed
                          ? bits >= 32 || (lowest >= -(1LL << (bits - 1)) && highest < (1LL << (bits - 1)))
                          : lowest >= 0 && (bits >= 32 || highest < (1LL << bits));
    if (!fits) {
        PyErr_SetString(PyExc_OverflowError, "integer result does not fit in the buffer's elements");
        return false;
    }
    visitRuns(view_, element_, count, [&](auto run, Py_ssize_t n) {
        using T = typename decltype(run)::Element;
        if constexpr (std::is_integral_v<T>)
            for (Py_ssize_t i = 0; i < n; ++i) run.set(i, T(values[i]));
        values += n;
    });
    return true;
}

}  // namespace vtx::py
