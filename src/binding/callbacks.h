// Python callables registered for widget callbacks and user functions, and
// the dispatchers through which the library calls them.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace vtx::py {

constexpr int kMaxCallbacks = 200;

// Appends an entry (keeping references to the callable and the extra
// object); 0 with ValueError "Too many callback routines" when full.
int registerCallback(int id, PyObject* callable, PyObject* extra);

// Number of registered entries.
int callbackCount();

// Replaces the user function of surfun/surfcp.
void setUserFunction(PyObject* callable);

// Replaces the user projection of MYPR maps (None: none).
void setProjection(PyObject* callable);

// Dispatchers installed as the library's function pointers.
void vtx_callbck2(int id);                        // swgcbk: callable(id)
void vtx_callbck(int id);                         // swgcb: callable(id, extra)
float vtx_funcbck2(float x, float y);             // surfun: f(x, y)
float vtx_funcbck(float a, float b, int option);  // surfcp: f(a, b, option)
// usrprj: (xp, yp) = f(x, y); a result that is not two numbers leaves the point as it is
void vtx_prjcbk(float x, float y, float& xp, float& yp);

}  // namespace vtx::py
