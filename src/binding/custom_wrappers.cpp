#include "binding/custom_wrappers.h"

#include <vector>

#include "binding/library.h"
#include "binding/module_state.h"
#include "binding/wrapper.h"

namespace vtx::py {

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}

// After the routine: every quick-plot variable that has been set is applied
// (none exist before the quick plots arrive), and spline returns 200 points again.
PyObject* vantix_vtxini(PyObject*, PyObject* args) {
    static const RoutineSpec spec{"vtxini", Family::NoArg, "", ""};
    PyObject* result = invoke<&vtx::vtxini>(spec, args);
    if (result) moduleState().nspline = 200;
    return result;
}

// After the routine: remembers that the caller chose a device (read by the quick plots).
PyObject* vantix_metafl(PyObject*, PyObject* args) {
    static const RoutineSpec spec{"metafl", Family::Scalar, "s", ""};
    PyObject* result = invoke<&vtx::metafl>(spec, args);
    if (result) moduleState().imetfl = 1;
    return result;
}

// From Python the protocol stream is an integer: 0 suppresses all protocol
// output, any other value selects standard output.
PyObject* vantix_unit(PyObject*, PyObject* args) {
    int stream;
    if (!PyArg_ParseTuple(args, "i:unit", &stream)) return nullptr;
    vtx::unit(stream == 0 ? nullptr : stdout);
    Py_RETURN_NONE;
}

// Python strings are immutable: the upper-cased copy is returned.
PyObject* vantix_upstr(PyObject*, PyObject* args) {
    PyObject* obj;
    if (!PyArg_ParseTuple(args, "O:upstr", &obj)) return nullptr;
    std::vector<char> text;
    if (!stringArgument(obj, "upstr", 1, text)) return nullptr;
    vtx::upstr(text.data());
    return PyUnicode_DecodeLatin1(text.data(), Py_ssize_t(text.size() - 1), nullptr);
}

}  // namespace vtx::py
