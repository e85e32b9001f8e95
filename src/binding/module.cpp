// The module vantix: one function per row of routines.def.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "binding/custom_wrappers.h"
#include "binding/library.h"
#include "binding/wrapper.h"

namespace vtx::py {

namespace {

// Generic wrappers, each checked against its routine's C++ signature.
#define ROUTINE(NAME, FAMILY, LETTERS, KINDS)                                                        \
    static_assert(sameLetters(Signature<decltype(&vtx::NAME)>::letters.data(), LETTERS),             \
                  "argument letters of " #NAME " do not match its signature");                       \
    PyObject* vantix_##NAME(PyObject*, PyObject* args) {                                             \
        static const RoutineRow row{#NAME, Family::FAMILY, LETTERS, KINDS};                        \
        return invoke<&vtx::NAME>(row, args);                                                       \
    }
#include "binding/routines.def"

#define ROUTINE(NAME, FAMILY, LETTERS, KINDS) {#NAME, vantix_##NAME, METH_VARARGS, nullptr},
#define CUSTOM(NAME, FAMILY, LETTERS, KINDS) {#NAME, vantix_##NAME, METH_VARARGS, nullptr},
PyMethodDef VantixMethods[] = {
#include "binding/routines.def"
    {nullptr, nullptr, 0, nullptr},
};

PyModuleDef vantixModule = {PyModuleDef_HEAD_INIT, "vantix", nullptr, -1, VantixMethods,
                            nullptr, nullptr, nullptr, nullptr};

}  // namespace

}  // namespace vtx::py

PyMODINIT_FUNC PyInit_vantix(void) { return PyModule_Create(&vtx::py::vantixModule); }
