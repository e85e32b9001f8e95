// Conversion of Python sequences and nested sequences into the plain native
// arrays the library routines take, and of results back into caller lists.
// Each converter returns 1 on success, or 0 with a Python exception set.
// Sequences that export a buffer (NumPy arrays, array.array, memoryview) are
// read and written directly in memory, with the same rules and errors.
// An exception raised by the caller's own sequence code, other than the
// protocol's "no such item" or "no length", reaches the caller unchanged.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <vector>

namespace vtx::py {

// Length of a sequence, or -1 with ValueError set.
Py_ssize_t getlength(PyObject* obj);

// Whether the sequence also receives results after the call: a buffer must
// then be writable and hold elements the results fit (TypeError otherwise).
enum class Use { Read, ReadWrite };

int fltarray(PyObject* obj, std::vector<float>& out, int n, Use use = Use::Read);
int intarray(PyObject* obj, std::vector<int>& out, int n, Use use = Use::Read);
int longarray(PyObject* obj, std::vector<long>& out, int n);

// A matrix of nx by ny values: nested rows, or a flat sequence of numbers.
int fltmatrix(PyObject* obj, std::vector<float>& out, int nx, int ny, Use use = Use::Read);
int fltmatrix3(PyObject* obj, std::vector<float>& out, int nx, int ny, int nz);

// Whether the pending exception is one the converters raise for bad input,
// rather than one passed through from the caller's code (KeyboardInterrupt).
bool isConversionError();

// Assign the first k values to items 0..k-1 of a sequence (elements 0..k-1
// in row-major order of a buffer).
int copyfloatarray(const float* values, PyObject* seq, int k);
int copyintarray(const int* values, PyObject* seq, int k);

// A str (encoded to ISO-8859-1, '?' for other characters) or bytes, as a C string.
// On failure raises the argument parser's TypeError for argument `position`.
int stringArgument(PyObject* obj, const char* routine, int position, std::vector<char>& out);

}  // namespace vtx::py
