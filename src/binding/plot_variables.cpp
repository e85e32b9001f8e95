// setvar and the table of plot variables.
#include "binding/plot_variables.h"

#include <cctype>
#include <cstring>
#include <new>
#include <vector>

#include "binding/convert.h"
#include "binding/custom_wrappers.h"
#include "binding/library.h"
#include "binding/routine_guard.h"

namespace vtx::py {

namespace {

// The box lengths and the viewpoint of the 3-D variables: setting one of
// them passes the other two as they were last set.
struct Remembered3D {
    float length[3] = {2.0f, 2.0f, 2.0f};
    float view[3] = {4.0f, -5.0f, 4.0f};
};

Remembered3D& remembered() {
    static Remembered3D r;
    return r;
}

using Applier = void (*)(const PlotVariable&);

void readOnly(const PlotVariable&) {}

template <void (*F)(int)>
void intRoutine(const PlotVariable& v) {
    F(v.i);
}

template <void (*F)(const char*)>
void textRoutine(const PlotVariable& v) {
    F(v.s.c_str());
}

template <int Line>
void titleLine(const PlotVariable& v) {
    vtx::titlin(v.s.c_str(), Line);
}

template <void (*F)(int, const char*), char Axis>
void intForAxis(const PlotVariable& v) {
    const char axis[2] = {Axis, '\0'};
    F(v.i, axis);
}

template <void (*F)(const char*, const char*), char Axis>
void textForAxis(const PlotVariable& v) {
    const char axis[2] = {Axis, '\0'};
    F(v.s.c_str(), axis);
}

// XLEN and YLEN keep the other length; ZLEN keeps both 2-D lengths.
template <int Axis>
void axisLength(const PlotVariable& v) {
    int len[3] = {0, 0, 0};
    vtx::getlen(len[0], len[1], len[2]);
    len[Axis] = v.i;
    if (Axis == 2) vtx::ax3len(len[0], len[1], len[2]);
    else vtx::axslen(len[0], len[1]);
}

// XPOS, YPOS, XRES, YRES: one of a pair of settings, the other one passed
// on as the request reads it.
template <void (*Get)(int&, int&), void (*Set)(int, int), int Axis>
void onePair(const PlotVariable& v) {
    int pair[2] = {0, 0};
    Get(pair[0], pair[1]);
    pair[Axis] = v.i;
    Set(pair[0], pair[1]);
}

// A length that is not positive keeps the remembered one.
template <int Axis>
void boxLength(const PlotVariable& v) {
    float* len = remembered().length;
    if (v.f > 0.0f) len[Axis] = v.f;
    vtx::axis3d(len[0], len[1], len[2]);
}

template <int Axis>
void viewPoint(const PlotVariable& v) {
    float* view = remembered().view;
    view[Axis] = v.f;
    vtx::view3d(view[0], view[1], view[2], "ABS");
}

void contourShading(const PlotVariable& v) { vtx::shdmod(v.s.c_str(), "CONTOUR"); }

struct Row {
    const char* name;
    VariableType type;
    Applier apply;
};

#define PLOT_VARIABLE(INDEX, NAME, TYPE, ...) {NAME, VariableType::TYPE, __VA_ARGS__},
const Row kRows[] = {
#include "binding/plot_variables.def"
};
#undef PLOT_VARIABLE

constexpr int kCount = int(sizeof kRows / sizeof kRows[0]);

// The index column must count the rows: the quick plots and the tests name
// variables by their place.
#define PLOT_VARIABLE(INDEX, NAME, TYPE, ...) INDEX,
constexpr int kIndices[] = {
#include "binding/plot_variables.def"
};
#undef PLOT_VARIABLE

constexpr bool indicesCountRows() {
    for (int i = 0; i < kCount; ++i)
        if (kIndices[i] != i) return false;
    return true;
}
static_assert(kCount == 57 && indicesCountRows(), "plot_variables.def: indices must run 0..56 in order");

std::vector<PlotVariable>& table() {
    static std::vector<PlotVariable> variables = [] {
        std::vector<PlotVariable> v(kCount);
        for (int i = 0; i < kCount; ++i) v[size_t(i)].name = kRows[i].name, v[size_t(i)].type = kRows[i].type;
        return v;
    }();
    return variables;
}

int findName(const char* upper) {
    for (int i = 0; i < kCount; ++i)
        if (std::strcmp(kRows[i].name, upper) == 0) return i;
    return -1;
}

}  // namespace

const PlotVariable& plotVariable(int index) { return table()[size_t(index)]; }

int check_var(const char* name) {
    const int index = findName(name);
    return index >= 0 && table()[size_t(index)].set ? index : -1;
}

void qqsetvar(int index) {
    if (vtx::getlev() == 0) return;
    const std::vector<PlotVariable>& variables = table();
    for (int i = 0; i < kCount; ++i) {
        if ((index >= 0 && i != index) || !variables[size_t(i)].set) continue;
        callRoutine([&] { kRows[i].apply(variables[size_t(i)]); });
    }
}

// setvar(name, value): the name in any case; the value parsed by the
// variable's type, so a wrong type raises the parser's TypeError.
PyObject* vantix_setvar(PyObject*, PyObject* args) {
    PyObject *nameObj, *valueObj;
    if (!PyArg_ParseTuple(args, "OO:setvar", &nameObj, &valueObj)) return nullptr;
    std::vector<char> name;
    if (!stringArgument(nameObj, "setvar", 1, name)) return nullptr;
    for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
    const int index = findName(name.data());
    if (index < 0) {
        PyErr_SetString(PyExc_ValueError, "undefined variable");
        return nullptr;
    }
    PlotVariable& v = table()[size_t(index)];
    PyObject* ignored;
    switch (v.type) {
        case VariableType::Int: {
            int value;
            if (!PyArg_ParseTuple(args, "Oi:setvar", &ignored, &value)) return nullptr;
            v.i = value;
            break;
        }
        case VariableType::Float: {
            float value;
            if (!PyArg_ParseTuple(args, "Of:setvar", &ignored, &value)) return nullptr;
            v.f = value;
            break;
        }
        case VariableType::Text: {
            std::vector<char> text;
            if (!stringArgument(valueObj, "setvar", 2, text)) return nullptr;
            try {
                v.s.assign(text.data());
            } catch (const std::bad_alloc&) {
                PyErr_SetString(PyExc_MemoryError, "no memory in SETVAR");
                return nullptr;
            }
            break;
        }
    }
    v.set = true;
    qqsetvar(index);
    Py_RETURN_NONE;
}

}  // namespace vtx::py
