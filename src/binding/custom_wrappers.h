// Wrappers that do more than convert (rows marked CUSTOM in routines.def).
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace vtx::py {

#define CUSTOM(NAME, FAMILY, LETTERS, KINDS) PyObject* vantix_##NAME(PyObject* self, PyObject* args);
#include "binding/routines.def"

}  // namespace vtx::py
