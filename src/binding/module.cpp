// The module vantix: one function per row of routines.def.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "binding/custom_wrappers.h"
#include "binding/library.h"
#include "binding/routine_docs.h"
#include "binding/routine_guard.h"
#include "binding/wrapper.h"

namespace vtx::py {

namespace {

// Generic wrappers, each checked against its routine's C++ signature.
#define ROUTINE(NAME, FAMILY, LETTERS, KINDS)                                                        \
    static_assert(sameLetters(Signature<decltype(&vtx::NAME)>::letters.data(), LETTERS),             \
                  "argument letters of " #NAME " do not match its signature");                       \
    static_assert(familyFits(Family::FAMILY, LETTERS, KINDS, Signature<decltype(&vtx::NAME)>::results),    \
                  "the family of " #NAME " does not describe its signature");                         \
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

void flushPythonStream(const char* name) {
    PyObject* stream = PySys_GetObject(name);  // borrowed
    if (!stream || stream == Py_None) return;
    PyObject* result = PyObject_CallMethod(stream, "flush", nullptr);
    if (result) Py_DECREF(result);
    else PyErr_Clear();
}

// Runs among the interpreter's exit functions, while its streams still work:
// what the script printed comes first, then the protocol line and the banner
// of the plot that the script left open.
PyObject* finishAtExit(PyObject*, PyObject*) {
    flushPythonStream("stdout");
    flushPythonStream("stderr");
    callRoutine([] { vtx::finishOpenPlot(); });
    Py_RETURN_NONE;
}

PyMethodDef finishAtExitDef = {"finish_open_plot", finishAtExit, METH_NOARGS, nullptr};

int registerExitFunction() {
    PyObject* atexit = PyImport_ImportModule("atexit");
    if (!atexit) return -1;
    PyObject* function = PyCFunction_New(&finishAtExitDef, nullptr);
    PyObject* result = function ? PyObject_CallMethod(atexit, "register", "O", function) : nullptr;
    Py_XDECREF(function);
    Py_DECREF(atexit);
    if (!result) return -1;
    Py_DECREF(result);
    return 0;
}

}  // namespace

}  // namespace vtx::py

PyMODINIT_FUNC PyInit_vantix(void) {
    vtx::py::attachDocstrings(vtx::py::VantixMethods);
    PyObject* module = PyModule_Create(&vtx::py::vantixModule);
    if (module && vtx::py::registerExitFunction() < 0) Py_CLEAR(module);
    // What the script printed before Quit ends the process is not lost.
    vtx::setWidgetExitHook([] {
        vtx::py::flushPythonStream("stdout");
        vtx::py::flushPythonStream("stderr");
    });
    return module;
}
