// Sequences that export a buffer (NumPy arrays, array.array, memoryview,
// bytes): their elements are read and written in C++ in one pass over the
// memory, with no Python object per element.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <vector>

namespace vtx::py {

// What one element of a buffer holds, from its format and item size.
struct ElementType {
    enum Kind { Bool, Signed, Unsigned, Float, Unsupported } kind = Unsupported;
    int size = 0;          // bytes
    bool swapped = false;  // stored in the other byte order than this machine's
};

// A sequence's buffer, held while it is read or written.
class HeldBuffer {
public:
    HeldBuffer() = default;
    HeldBuffer(const HeldBuffer&) = delete;
    HeldBuffer& operator=(const HeldBuffer&) = delete;
    ~HeldBuffer();

    // Takes obj's buffer if obj is a sequence of at least one dimension that
    // exports one of bool, integer or floating-point elements. 1: held; 0:
    // obj is read as a plain sequence (no exception set); -1: the exporter
    // raised an exception that must reach the caller.
    int acquire(PyObject* obj);

    const Py_buffer& view() const { return view_; }
    const ElementType& element() const { return element_; }
    Py_ssize_t length() const { return view_.shape[0]; }
    int dimensions() const { return view_.ndim; }
    bool readonly() const { return view_.readonly != 0; }

    // Product of the first `levels` extents (all of them when there are fewer).
    Py_ssize_t leadingCount(int levels) const;

    // Replaces `out` by the first `count` elements, in row-major order, as
    // floats. Throws what a vector's allocation throws.
    void readFloats(Py_ssize_t count, std::vector<float>& out) const;
    // The same into room for `count` floats.
    void readFloats(Py_ssize_t count, float* out) const;

    // Reads integer or bool elements into int or long; the result tells
    // whether all fit, or how the first that does not fails (nothing is
    // raised: the caller words the error as for a list).
    enum class IntegerFit { All, BeyondLong, BeyondTarget };
    template <typename T>
    IntegerFit readIntegers(Py_ssize_t count, T* out) const;

    // Whether results of the kind (floats or integers) can be stored here;
    // false with TypeError set.
    bool acceptsResults(bool floats) const;

    // Stores values into the first `count` elements, in row-major order;
    // acceptsResults must have said yes. False with OverflowError set when an
    // integer does not fit the element.
    void writeFloats(Py_ssize_t count, const float* values);
    bool writeIntegers(Py_ssize_t count, const int* values);

private:
    Py_buffer view_{};
    ElementType element_;
    bool held_ = false;
};

}  // namespace vtx::py
