#include "binding/custom_wrappers.h"

#include <new>
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
    static const RoutineRow row{"vtxini", Family::NoArg, "", ""};
    PyObject* result = invoke<&vtx::vtxini>(row, args);
    if (result) moduleState().nspline = 200;
    return result;
}

// After the routine: remembers that the caller chose a device (read by the quick plots).
PyObject* vantix_metafl(PyObject*, PyObject* args) {
    static const RoutineRow row{"metafl", Family::Scalar, "s", ""};
    PyObject* result = invoke<&vtx::metafl>(row, args);
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

namespace {

// getmat needs two work matrices of nx by ny values that Python callers do not pass.
bool g_getmatNoMemory = false;

void getmatWithWorkArrays(const float* x, const float* y, const float* z, int n, float* zmat, int nx, int ny,
                          float zval) {
    std::vector<int> counts;
    std::vector<float> weights;
    try {
        counts.resize(size_t(nx) * size_t(ny));
        weights.resize(size_t(nx) * size_t(ny));
    } catch (const std::bad_alloc&) {
        g_getmatNoMemory = true;
        return;
    }
    vtx::getmat(x, y, z, n, zmat, nx, ny, zval, counts.data(), weights.data());
}

}  // namespace

PyObject* vantix_getmat(PyObject*, PyObject* args) {
    static const RoutineRow row{"getmat", Family::ArrayOut, "OOOiOiif", "FFFm"};
    g_getmatNoMemory = false;
    PyObject* result = invoke<&getmatWithWorkArrays>(row, args);
    if (result && g_getmatNoMemory) {
        Py_DECREF(result);
        PyErr_SetString(PyExc_MemoryError, "out of memory");
        return nullptr;
    }
    return result;
}

// Byte data out: the PDF kept in memory as bytes with its length. A size of
// 0 asks only for the length; a negative size gives nothing.
PyObject* vantix_pdfbuf(PyObject*, PyObject* args) {
    int size;
    if (!PyArg_ParseTuple(args, "i:pdfbuf", &size)) return nullptr;
    if (size <= 0) {
        int length = size == 0 ? vtx::pdfbuf(nullptr, 0) : 0;
        return Py_BuildValue("(y#i)", "", Py_ssize_t(0), length);
    }
    std::vector<char> buffer;
    try {
        buffer.resize(size_t(size));
    } catch (const std::bad_alloc&) {
        PyErr_SetString(PyExc_MemoryError, "out of memory in pdfbuf");
        return nullptr;
    }
    int length = vtx::pdfbuf(buffer.data(), size);
    return Py_BuildValue("(y#i)", buffer.data(), Py_ssize_t(length), length);
}

}  // namespace vtx::py
