#include "binding/custom_wrappers.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "binding/callbacks.h"
#include "binding/library.h"
#include "binding/module_state.h"
#include "binding/plot_variables.h"
#include "binding/routine_guard.h"
#include "binding/wrapper.h"
#include "graph2d/curve_state.h"

namespace vtx::py {

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}

// After the routine: every plot variable that has been set is applied (the
// defaults of vtxini would otherwise undo them), and spline returns 200
// points again.
PyObject* vantix_vtxini(PyObject*, PyObject* args) {
    static const RoutineRow row{"vtxini", Family::NoArg, "", ""};
    PyObject* result = invoke<&vtx::vtxini>(row, args);
    if (result) {
        qqsetvar(-1);
        moduleState().nspline = 200;
    }
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
    callRoutine([&] { vtx::unit(stream == 0 ? nullptr : stdout); });
    Py_RETURN_NONE;
}

// Python strings are immutable: the upper-cased copy is returned.
PyObject* vantix_upstr(PyObject*, PyObject* args) {
    PyObject* obj;
    if (!PyArg_ParseTuple(args, "O:upstr", &obj)) return nullptr;
    std::vector<char> text;
    if (!stringArgument(obj, "upstr", 1, text)) return nullptr;
    callRoutine([&] { vtx::upstr(text.data()); });
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
namespace {

// A file the library holds in memory (PDF, PNG), copied for the caller:
// (data, count); size 0 asks for the total size, a negative size gives
// ("", 0). The buffer is left uninitialised, so a generous size costs only
// address space: the library touches no more bytes than the file has.
template <typename Copy>
PyObject* fileHeldInMemory(const char* name, int size, Copy copy) {
    if (size < 0) return Py_BuildValue("(y#i)", "", Py_ssize_t(0), 0);
    if (size == 0) return Py_BuildValue("(y#i)", "", Py_ssize_t(0), copy(nullptr, 0));
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size_t(size)]);
    if (!buffer) return PyErr_Format(PyExc_MemoryError, "out of memory in %s", name);
    const int count = copy(buffer.get(), size);
    return Py_BuildValue("(y#i)", reinterpret_cast<const char*>(buffer.get()), Py_ssize_t(std::max(count, 0)), count);
}

}  // namespace

PyObject* vantix_pdfbuf(PyObject*, PyObject* args) {
    int size;
    if (!PyArg_ParseTuple(args, "i:pdfbuf", &size)) return nullptr;
    return fileHeldInMemory("pdfbuf", size, [](unsigned char* buffer, int n) {
        return callRoutine([&] { return vtx::pdfbuf(reinterpret_cast<char*>(buffer), n); });
    });
}

}  // namespace vtx::py

// Byte data of the raster devices. Buffers the caller does not pass are
// allocated here; a failure raises MemoryError "out of memory in <name>".
namespace vtx::py {

namespace {

PyObject* outOfMemory(const char* name) {
    return PyErr_Format(PyExc_MemoryError, "out of memory in %s", name);
}

// A buffer of n bytes that Python owns, filled by `fill`; the empty bytes
// object when n is not positive.
template <typename Fill>
PyObject* bytesFilledBy(const char* name, long long n, Fill fill) {
    if (n <= 0) return PyBytes_FromStringAndSize("", 0);
    if (n > PY_SSIZE_T_MAX) return outOfMemory(name);
    PyObject* bytes = PyBytes_FromStringAndSize(nullptr, Py_ssize_t(n));
    if (!bytes) {
        PyErr_Clear();
        return outOfMemory(name);
    }
    unsigned char* data = reinterpret_cast<unsigned char*>(PyBytes_AS_STRING(bytes));
    std::memset(data, 0, size_t(n));
    fill(data);
    return bytes;
}

// Pixels of a row or rectangle; an empty size reads nothing. A request
// outside the picture allocates nothing: the routine gives its warnings and
// the result is empty.
template <typename Read>
PyObject* pixelsRead(const char* name, int x, int y, int w, int h, Read read) {
    if (w <= 0 || h <= 0) return PyBytes_FromStringAndSize("", 0);
    if (!vtx::pixelAreaInside(x, y, w, h)) {
        unsigned char unused[3] = {};
        read(unused);
        return PyBytes_FromStringAndSize("", 0);
    }
    return bytesFilledBy(name, (long long)w * h * vtx::pixelBytes(), read);
}

// Pixel data given for nw × nh pixels must hold that many pixels.
bool enoughPixelData(const Py_buffer& data, long long pixels, const char* name) {
    if (data.len >= pixels * vtx::pixelBytes()) return true;
    PyErr_Format(PyExc_ValueError, "pixel data too short in %s", name);
    return false;
}

}  // namespace

// rbfpng(n) -> (data, count); n = 0 asks for the size, a negative n gives ("", 0).
PyObject* vantix_rbfpng(PyObject*, PyObject* args) {
    int size;
    if (!PyArg_ParseTuple(args, "i:rbfpng", &size)) return nullptr;
    return fileHeldInMemory("rbfpng", size, [](unsigned char* buffer, int n) {
        return callRoutine([&] { return vtx::rbfpng(buffer, n); });
    });
}

PyObject* vantix_rpxrow(PyObject*, PyObject* args) {
    int x, y, n;
    if (!PyArg_ParseTuple(args, "iii:rpxrow", &x, &y, &n)) return nullptr;
    return pixelsRead("rpxrow", x, y, n, 1,
                      [&](unsigned char* data) { callRoutine([&] { vtx::rpxrow(data, x, y, n); }); });
}

PyObject* vantix_rpixls(PyObject*, PyObject* args) {
    int x, y, w, h;
    if (!PyArg_ParseTuple(args, "iiii:rpixls", &x, &y, &w, &h)) return nullptr;
    return pixelsRead("rpixls", x, y, w, h,
                      [&](unsigned char* data) { callRoutine([&] { vtx::rpixls(data, x, y, w, h); }); });
}

PyObject* vantix_wpxrow(PyObject*, PyObject* args) {
    Py_buffer data;
    int x, y, n;
    if (!PyArg_ParseTuple(args, "y*iii:wpxrow", &data, &x, &y, &n)) return nullptr;
    bool ok = true;
    if (n >= 1) {
        ok = enoughPixelData(data, n, "wpxrow");
        if (ok) callRoutine([&] { vtx::wpxrow(static_cast<const unsigned char*>(data.buf), x, y, n); });
    }
    PyBuffer_Release(&data);
    if (!ok) return nullptr;
    Py_RETURN_NONE;
}

PyObject* vantix_wpixls(PyObject*, PyObject* args) {
    Py_buffer data;
    int x, y, w, h;
    if (!PyArg_ParseTuple(args, "y*iiii:wpixls", &data, &x, &y, &w, &h)) return nullptr;
    bool ok = true;
    if (w >= 1 && h >= 1) {
        ok = enoughPixelData(data, (long long)w * h, "wpixls");
        if (ok) callRoutine([&] { vtx::wpixls(static_cast<const unsigned char*>(data.buf), x, y, w, h); });
    }
    PyBuffer_Release(&data);
    if (!ok) return nullptr;
    Py_RETURN_NONE;
}

// readfl(unit, n) -> (data, count): up to n bytes of an open binary file;
// count is 0 at the end of the file and -1 for a unit that is not open.
PyObject* vantix_readfl(PyObject*, PyObject* args) {
    int unit, n;
    if (!PyArg_ParseTuple(args, "ii:readfl", &unit, &n)) return nullptr;
    if (n <= 0) return Py_BuildValue("(y#i)", "", Py_ssize_t(0), 0);
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size_t(n)]);
    if (!buffer) return outOfMemory("readfl");
    const int count = callRoutine([&] { return vtx::readfl(unit, buffer.get(), n); });
    return Py_BuildValue("(y#i)", reinterpret_cast<const char*>(buffer.get()), Py_ssize_t(std::max(count, 0)), count);
}

// writfl(unit, data, n) -> count: the first n bytes of data, never more
// than data holds.
PyObject* vantix_writfl(PyObject*, PyObject* args) {
    Py_buffer data;
    int unit, n;
    if (!PyArg_ParseTuple(args, "iy*i:writfl", &unit, &data, &n)) return nullptr;
    const int count = n <= 0 ? 0 : callRoutine([&] {
        const int bytes = data.len < n ? int(data.len) : n;
        return vtx::writfl(unit, static_cast<const unsigned char*>(data.buf), bytes);
    });
    PyBuffer_Release(&data);
    return PyLong_FromLong(count);
}

}  // namespace vtx::py

namespace vtx::py {

namespace {

// The legend routines take the module's buffer instead of a string of the
// caller's; the string argument is still checked as the parser would.
bool ignoredString(PyObject* obj, const char* name, int position) {
    std::vector<char> unused;
    return stringArgument(obj, name, position, unused) != 0;
}

char* legendBuffer() {
    ModuleState& m = moduleState();
    return m.legendAllocated ? m.legendBuffer.data() : nullptr;
}

// Writes values into a caller's list; a list shorter than the count grows.
bool storeFloats(const float* values, int count, PyObject* list) {
    Py_ssize_t length = getlength(list);
    if (length < 0) return false;
    const int assigned = int(length < count ? length : count);
    if (!copyfloatarray(values, list, assigned)) return false;
    for (int i = assigned; i < count; ++i) {
        PyObject* item = PyFloat_FromDouble(values[i]);
        if (!item) return false;
        const int failed = PyList_Check(list) ? PyList_Append(list, item) : -1;
        Py_DECREF(item);
        if (failed) {
            if (!PyErr_Occurred()) PyErr_SetString(PyExc_IndexError, "list too short for the spline points");
            return false;
        }
    }
    return true;
}

}  // namespace

PyObject* vantix_legini(PyObject*, PyObject* args) {
    PyObject* text;
    int lines, chars;
    if (!PyArg_ParseTuple(args, "Oii:legini", &text, &lines, &chars) || !ignoredString(text, "legini", 1))
        return nullptr;
    ModuleState& m = moduleState();
    m.legendAllocated = 0;
    std::vector<char>().swap(m.legendBuffer);
    // Only sizes the routine accepts get a buffer; the others still reach it
    // below, which gives its range warning.
    const bool accepted = lines >= 1 && lines <= kLegendEntries && chars >= 1 && chars <= kLegendLineChars;
    const long long size = (long long)lines * chars;
    if (accepted) {
        try {
            m.legendBuffer.assign(size_t(size) + 1, ' ');
        } catch (const std::bad_alloc&) {
            return outOfMemory("legini");
        }
        m.legendBuffer[size_t(size)] = '\0';
        m.legendAllocated = 1;
    }
    static char empty[1] = {'\0'};
    callRoutine([&] { vtx::legini(m.legendAllocated ? m.legendBuffer.data() : empty, lines, chars); });
    Py_RETURN_NONE;
}

PyObject* vantix_leglin(PyObject*, PyObject* args) {
    PyObject *ignored, *textObj;
    int line;
    if (!PyArg_ParseTuple(args, "OOi:leglin", &ignored, &textObj, &line) || !ignoredString(ignored, "leglin", 1))
        return nullptr;
    std::vector<char> text;
    if (!stringArgument(textObj, "leglin", 2, text)) return nullptr;
    callRoutine([&] { vtx::leglin(legendBuffer(), text.data(), line); });
    Py_RETURN_NONE;
}

PyObject* vantix_legend(PyObject*, PyObject* args) {
    PyObject* ignored;
    int corner;
    if (!PyArg_ParseTuple(args, "Oi:legend", &ignored, &corner) || !ignoredString(ignored, "legend", 1))
        return nullptr;
    callRoutine([&] { vtx::legend(legendBuffer(), corner); });
    Py_RETURN_NONE;
}

PyObject* vantix_nxlegn(PyObject*, PyObject* args) {
    PyObject* ignored;
    if (!PyArg_ParseTuple(args, "O:nxlegn", &ignored) || !ignoredString(ignored, "nxlegn", 1)) return nullptr;
    return PyLong_FromLong(callRoutine([] { return vtx::nxlegn(legendBuffer()); }));
}

PyObject* vantix_nylegn(PyObject*, PyObject* args) {
    PyObject* ignored;
    if (!PyArg_ParseTuple(args, "O:nylegn", &ignored) || !ignoredString(ignored, "nylegn", 1)) return nullptr;
    return PyLong_FromLong(callRoutine([] { return vtx::nylegn(legendBuffer()); }));
}

// spline(x, y, n, xray, yray) -> count. The lists must hold nspline values;
// the temporary arrays also hold every point that splmod asks for beyond
// that, and the lists grow when the library returns more.
PyObject* vantix_spline(PyObject*, PyObject* args) {
    PyObject *xObj, *yObj, *xOut, *yOut;
    int n;
    if (!PyArg_ParseTuple(args, "OOiOO:spline", &xObj, &yObj, &n, &xOut, &yOut)) return nullptr;
    if (n <= 0) return PyLong_FromLong(0);
    const int nspline = moduleState().nspline;
    std::vector<float> x, y, xs, ys;
    if (!fltarray(xObj, x, n) || !fltarray(yObj, y, n) || !fltarray(xOut, xs, nspline, Use::ReadWrite) ||
        !fltarray(yOut, ys, nspline, Use::ReadWrite))
        return nullptr;
    const int room = std::max(nspline, vtx::splineOutputCount());
    try {
        xs.resize(size_t(room));
        ys.resize(size_t(room));
    } catch (const std::bad_alloc&) {
        return outOfMemory("spline");
    }
    int count = 0;
    callRoutine([&] { vtx::spline(x.data(), y.data(), n, xs.data(), ys.data(), count); });
    if (!storeFloats(xs.data(), count, xOut) || !storeFloats(ys.data(), count, yOut)) return nullptr;
    return PyLong_FromLong(count);
}

// The label modes land in the module's three static buffers and come back
// as three strings.
PyObject* vantix_getlab(PyObject*, PyObject* args) {
    if (!PyArg_ParseTuple(args, ":getlab")) return nullptr;
    char (&modes)[3][9] = moduleState().labelModes;
    callRoutine([&] { vtx::getlab(modes[0], modes[1], modes[2]); });
    return Py_BuildValue("(NNN)", PyUnicode_DecodeLatin1(modes[0], Py_ssize_t(std::strlen(modes[0])), nullptr),
                         PyUnicode_DecodeLatin1(modes[1], Py_ssize_t(std::strlen(modes[1])), nullptr),
                         PyUnicode_DecodeLatin1(modes[2], Py_ssize_t(std::strlen(modes[2])), nullptr));
}

// The callable becomes the user function that the library samples.
PyObject* vantix_surfun(PyObject*, PyObject* args) {
    PyObject* fn;
    int ixpts, iypts;
    float xdelta, ydelta;
    if (!PyArg_ParseTuple(args, "Oifif:surfun", &fn, &ixpts, &xdelta, &iypts, &ydelta)) return nullptr;
    setUserFunction(fn);
    callRoutine([&] { vtx::surfun(vtx_funcbck2, ixpts, xdelta, iypts, ydelta); });
    Py_RETURN_NONE;
}

// The callable becomes the projection of MYPR maps; None removes it.
PyObject* vantix_usrprj(PyObject*, PyObject* args) {
    PyObject* fn;
    if (!PyArg_ParseTuple(args, "O:usrprj", &fn)) return nullptr;
    if (fn != Py_None && !PyCallable_Check(fn)) {
        PyErr_SetString(PyExc_TypeError, "usrprj needs a callable or None");
        return nullptr;
    }
    setProjection(fn == Py_None ? nullptr : fn);
    callRoutine([&] { vtx::usrprj(fn == Py_None ? nullptr : vtx_prjcbk); });
    Py_RETURN_NONE;
}

PyObject* vantix_surfcp(PyObject*, PyObject* args) {
    PyObject* fn;
    float amin, amax, adelta, bmin, bmax, bdelta;
    if (!PyArg_ParseTuple(args, "Offffff:surfcp", &fn, &amin, &amax, &adelta, &bmin, &bmax, &bdelta)) return nullptr;
    setUserFunction(fn);
    callRoutine([&] { vtx::surfcp(vtx_funcbck, amin, amax, adelta, bmin, bmax, bdelta); });
    Py_RETURN_NONE;
}

// The values form a three-dimensional matrix: nx blocks of ny rows of nz values.
PyObject* vantix_suriso(PyObject*, PyObject* args) {
    PyObject *xObj, *yObj, *zObj, *wObj;
    int nx, ny, nz;
    float level;
    if (!PyArg_ParseTuple(args, "OiOiOiOf:suriso", &xObj, &nx, &yObj, &ny, &zObj, &nz, &wObj, &level)) return nullptr;
    if (nx <= 0 || ny <= 0 || nz <= 0) Py_RETURN_NONE;
    std::vector<float> x, y, z, w;
    if (!fltarray(xObj, x, nx) || !fltarray(yObj, y, ny) || !fltarray(zObj, z, nz) || !fltmatrix3(wObj, w, nx, ny, nz))
        return nullptr;
    callRoutine([&] { vtx::suriso(x.data(), nx, y.data(), ny, z.data(), nz, w.data(), level); });
    Py_RETURN_NONE;
}

}  // namespace vtx::py

namespace vtx::py {

// The callable is kept in the registry; the widget calls it through the dispatcher.
PyObject* vantix_swgcbk(PyObject*, PyObject* args) {
    int id;
    PyObject* fn;
    if (!PyArg_ParseTuple(args, "iO:swgcbk", &id, &fn)) return nullptr;
    if (!registerCallback(id, fn, nullptr)) return nullptr;
    callRoutine([&] { vtx::swgcbk(id, vtx_callbck2); });
    Py_RETURN_NONE;
}

// The user data stays on the Python side, in the registry.
PyObject* vantix_swgcb(PyObject*, PyObject* args) {
    int id;
    PyObject *fn, *data;
    if (!PyArg_ParseTuple(args, "iOO:swgcb", &id, &fn, &data)) return nullptr;
    if (!registerCallback(id, fn, data)) return nullptr;
    callRoutine([&] { vtx::swgcb(id, [](int widget, void*) { vtx_callbck(widget); }, nullptr); });
    Py_RETURN_NONE;
}

}  // namespace vtx::py
