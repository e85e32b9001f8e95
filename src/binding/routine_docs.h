// Docstrings of the module's functions, composed from two tables: the routine
// table (argument letters and element kinds give the Python types) and the
// documentation table routine_docs.def (argument names, results, levels and
// a one-line purpose).
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <string>

namespace vtx::py {

// Gives every entry of a method table that has a documentation row its
// docstring; the strings live as long as the process.
void attachDocstrings(PyMethodDef* methods);

// The docstring of one routine, or "" when either table lacks it.
std::string docstringOf(const char* name);

}  // namespace vtx::py
