// Converters that no module function reaches yet: three-level matrices and
// long arrays, from lists and from buffers; checked inside the embedded
// interpreter.
#include <gtest/gtest.h>

#include <string>

#include "binding/convert.h"

namespace vtx::py {
namespace {

PyObject* value(const char* expression) {
    PyObject* globals = PyDict_New();
    PyDict_SetItemString(globals, "__builtins__", PyEval_GetBuiltins());
    PyObject* arrayModule = PyImport_ImportModule("array");
    PyDict_SetItemString(globals, "array", arrayModule);
    Py_DECREF(arrayModule);
    PyObject* v = PyRun_String(expression, Py_eval_input, globals, globals);
    Py_DECREF(globals);
    return v;
}

std::string takeError() {
    PyObject *type, *val, *trace;
    PyErr_Fetch(&type, &val, &trace);
    PyObject* text = PyObject_Str(val);
    std::string s = std::string(reinterpret_cast<PyTypeObject*>(type)->tp_name) + ": " + PyUnicode_AsUTF8(text);
    Py_DECREF(text), Py_XDECREF(type), Py_XDECREF(val), Py_XDECREF(trace);
    return s;
}

TEST(Matrix3, NestedValuesInStorageOrder) {
    if (!Py_IsInitialized()) Py_Initialize();
    PyObject* m = value("[[[1, 2], [3, 4]], [[5, 6], [7, 8.5]]]");
    std::vector<float> out;
    ASSERT_EQ(fltmatrix3(m, out, 2, 2, 2), 1);
    EXPECT_EQ(out, (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8.5f}));
    Py_DECREF(m);
}

TEST(Matrix3, FlatAndRaggedAndShort) {
    if (!Py_IsInitialized()) Py_Initialize();
    std::vector<float> out;
    PyObject* flat = value("list(range(8))");
    EXPECT_EQ(fltmatrix3(flat, out, 2, 2, 2), 1);
    EXPECT_EQ(out.size(), 8u);
    PyObject* ragged = value("[[[1, 2], [3, 4]], [[5, 6], [7]]]");
    EXPECT_EQ(fltmatrix3(ragged, out, 2, 2, 2), 0);
    EXPECT_EQ(takeError(), "ValueError: matrix rows have different lengths");
    PyObject* shortRows = value("[[[1, 2], [3, 4]]]");
    EXPECT_EQ(fltmatrix3(shortRows, out, 2, 2, 2), 0);
    EXPECT_EQ(takeError(), "MemoryError: out of range");
    Py_DECREF(flat), Py_DECREF(ragged), Py_DECREF(shortRows);
}

// An empty first row sets the capacity to nothing; numbers after it must
// not be written past it (found by fuzzing).
TEST(Matrix, NumbersAfterAnEmptyFirstRow) {
    if (!Py_IsInitialized()) Py_Initialize();
    std::vector<float> out;
    for (const char* m : {"[[], 5.0, 6.0]", "[[[]], 1.0]", "[[[]], [array.array('f', [1.0])]]"}) {
        PyObject* v = value(m);
        EXPECT_EQ(fltmatrix3(v, out, 0, 0, 0), 0) << m;
        EXPECT_EQ(takeError(), "ValueError: matrix rows have different lengths") << m;
        Py_DECREF(v);
    }
    PyObject* v = value("[[], 5.0]");
    EXPECT_EQ(fltmatrix(v, out, 0, 0), 0);
    EXPECT_EQ(takeError(), "ValueError: matrix rows have different lengths");
    Py_DECREF(v);
}

TEST(LongArray, IntegersOnly) {
    if (!Py_IsInitialized()) Py_Initialize();
    std::vector<long> out;
    PyObject* ok = value("[1, 2**40, -3]");
    ASSERT_EQ(longarray(ok, out, 3), 1);
    EXPECT_EQ(out[1], 1L << 40);
    PyObject* bad = value("(1, 2.0)");
    EXPECT_EQ(longarray(bad, out, 2), 0);
    EXPECT_EQ(takeError(), "ValueError: no integer element in sequence");
    Py_DECREF(ok), Py_DECREF(bad);
}

TEST(CopyBack, IntoMutableAndImmutableSequences) {
    if (!Py_IsInitialized()) Py_Initialize();
    PyObject* list = value("[0, 0, 0]");
    const int ints[] = {4, 5};
    ASSERT_EQ(copyintarray(ints, list, 2), 1);
    PyObject* expected = value("[4, 5, 0]");
    EXPECT_EQ(PyObject_RichCompareBool(list, expected, Py_EQ), 1);
    PyObject* tuple = value("(0.0,)");
    const float floats[] = {1.5f};
    EXPECT_EQ(copyfloatarray(floats, tuple, 1), 0);
    EXPECT_EQ(takeError().rfind("TypeError", 0), 0u);
    Py_DECREF(list), Py_DECREF(expected), Py_DECREF(tuple);
}

TEST(Buffers, ThreeLevelMatrixAndLongs) {
    if (!Py_IsInitialized()) Py_Initialize();
    std::vector<float> out;
    PyObject* cube = value("memoryview(array.array('d', range(8))).cast('B').cast('d', (2, 2, 2))");
    ASSERT_EQ(fltmatrix3(cube, out, 2, 2, 2), 1);
    EXPECT_EQ(out, (std::vector<float>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(fltmatrix3(cube, out, 2, 2, 3), 0);
    EXPECT_EQ(takeError(), "MemoryError: out of range");
    std::vector<long> longs;
    PyObject* q = value("array.array('q', [1, 2**40, -3])");
    ASSERT_EQ(longarray(q, longs, 3), 1);
    EXPECT_EQ(longs, (std::vector<long>{1, 1L << 40, -3}));
    Py_DECREF(cube), Py_DECREF(q);
}

TEST(Buffers, CopyBackChecksRoomAndRange) {
    if (!Py_IsInitialized()) Py_Initialize();
    PyObject* shorts = value("array.array('h', [0, 0])");
    const int ints[] = {1, 70000, 3};
    EXPECT_EQ(copyintarray(ints, shorts, 2), 0);
    EXPECT_EQ(takeError().rfind("OverflowError", 0), 0u);
    EXPECT_EQ(copyintarray(ints, shorts, 3), 0);
    EXPECT_EQ(takeError(), "IndexError: buffer too short for the results");
    PyObject* unchanged = value("array.array('h', [0, 0])");
    EXPECT_EQ(PyObject_RichCompareBool(shorts, unchanged, Py_EQ), 1);
    ASSERT_EQ(copyintarray(ints, shorts, 1), 1);
    PyObject* first = PySequence_GetItem(shorts, 0);
    EXPECT_EQ(PyLong_AsLong(first), 1);
    Py_DECREF(first), Py_DECREF(shorts), Py_DECREF(unchanged);
}

}  // namespace
}  // namespace vtx::py
