#include "binding/callbacks.h"

namespace vtx::py {

namespace {

struct CallbackEntry {
    int id;
    PyObject* callable;
    PyObject* extra;  // null for the one-argument form
};

CallbackEntry g_entries[kMaxCallbacks];
int g_count = 0;
PyObject* g_userFunction = nullptr;  // ocbfunc
PyObject* g_projection = nullptr;    // usrprj

// The newest entry for a widget, so a later registration shadows an earlier one.
const CallbackEntry* findCallback(int id) {
    for (int k = g_count - 1; k >= 0; --k)
        if (g_entries[k].id == id) return &g_entries[k];
    return nullptr;
}

// A Python exception raised inside a callback must not stop the library:
// it is reported the way the interpreter reports unraisable errors and cleared.
void discardError(PyObject* context) {
    if (PyErr_Occurred()) PyErr_WriteUnraisable(context);
}

void callWith(PyObject* callable, PyObject* argsTuple) {
    if (!argsTuple) {
        discardError(callable);
        return;
    }
    PyObject* result = PyObject_CallObject(callable, argsTuple);
    Py_DECREF(argsTuple);
    if (result) Py_DECREF(result);
    else discardError(callable);
}

// A float result (or subtype) narrowed to single precision; anything else,
// an int included, and a call that raised give 0.
float userFunctionResult(PyObject* argsTuple) {
    if (!g_userFunction || !argsTuple) {
        Py_XDECREF(argsTuple);
        discardError(g_userFunction);
        return 0.0f;
    }
    PyObject* result = PyObject_CallObject(g_userFunction, argsTuple);
    Py_DECREF(argsTuple);
    if (!result) {
        discardError(g_userFunction);
        return 0.0f;
    }
    float value = PyFloat_Check(result) ? float(PyFloat_AsDouble(result)) : 0.0f;
    Py_DECREF(result);
    return value;
}

}  // namespace

int registerCallback(int id, PyObject* callable, PyObject* extra) {
    if (g_count >= kMaxCallbacks) {
        PyErr_SetString(PyExc_ValueError, "Too many callback routines");
        return 0;
    }
    Py_INCREF(callable);
    Py_XINCREF(extra);
    g_entries[g_count++] = {id, callable, extra};
    return 1;
}

int callbackCount() { return g_count; }

void setUserFunction(PyObject* callable) {
    Py_XINCREF(callable);
    Py_XDECREF(g_userFunction);
    g_userFunction = callable;
}

void setProjection(PyObject* callable) {
    Py_XINCREF(callable);
    Py_XDECREF(g_projection);
    g_projection = callable;
}

void vtx_prjcbk(float x, float y, float& xp, float& yp) {
    xp = x, yp = y;
    if (!g_projection) return;
    PyObject* result = PyObject_CallFunction(g_projection, "ff", x, y);
    double u = 0.0, v = 0.0;
    bool ok = result && PySequence_Check(result) && PySequence_Size(result) == 2;
    for (int i = 0; ok && i < 2; ++i) {
        PyObject* item = PySequence_GetItem(result, i);
        ok = item && (PyFloat_Check(item) || PyLong_Check(item));
        if (ok) (i == 0 ? u : v) = PyFloat_AsDouble(item);
        ok = ok && !PyErr_Occurred();
        Py_XDECREF(item);
    }
    Py_XDECREF(result);
    if (!ok) {
        discardError(g_projection);
        return;
    }
    xp = float(u), yp = float(v);
}

void vtx_callbck2(int id) {
    if (const CallbackEntry* e = findCallback(id)) callWith(e->callable, Py_BuildValue("(i)", id));
}

void vtx_callbck(int id) {
    if (const CallbackEntry* e = findCallback(id))
        callWith(e->callable, Py_BuildValue("(iO)", id, e->extra ? e->extra : Py_None));
}

float vtx_funcbck2(float x, float y) { return userFunctionResult(Py_BuildValue("(ff)", x, y)); }

float vtx_funcbck(float a, float b, int option) { return userFunctionResult(Py_BuildValue("(ffi)", a, b, option)); }

}  // namespace vtx::py
