// The generic wrapper behind every row of routines.def. The C++ signature of
// the library routine decides how each Python argument is parsed and passed:
//   int, float          -> "i", "f" through the argument parser
//   const char*         -> a str (ISO-8859-1) or bytes
//   const float*, const int*, const long*  -> a sequence converted to a temporary array
//   float*, int*        -> a sequence converted, and written back after the call
//   int&, float&, std::string&             -> output values, returned
// The row's argument letters are checked against the signature at compile
// time; its element kinds say how each sequence is converted.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <array>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "binding/convert.h"
#include "binding/routine_guard.h"

namespace vtx::py {

// What a routine takes and gives, as the rows of routines.def group them.
// Bytes, Callback and Quick have hand-written wrappers only.
enum class Family { NoArg, Scalar, Query, Function, ArrayIn, MatrixIn, ArrayOut, Bytes, Callback, Quick };

struct RoutineRow {
    const char* name;
    Family family;
    const char* letters;   // Python arguments: i f s O
    const char* elements;  // one kind per O: F I L (in), f i (written back), M (matrix), m (matrix written back)
};

// How one C++ parameter type maps to Python.
template <typename T, typename = void>
struct Param;
template <> struct Param<int> { static constexpr char letter = 'i'; static constexpr bool output = false; using Storage = int; };
template <> struct Param<float> { static constexpr char letter = 'f'; static constexpr bool output = false; using Storage = float; };
template <> struct Param<const char*> { static constexpr char letter = 's'; static constexpr bool output = false; using Storage = PyObject*; };
template <typename T>
struct Param<T*, std::enable_if_t<std::is_arithmetic_v<std::remove_const_t<T>>>> {
    static constexpr char letter = 'O';
    static constexpr bool output = false;
    using Storage = PyObject*;
};
template <> struct Param<int&> { static constexpr char letter = 0; static constexpr bool output = true; using Storage = int; };
template <> struct Param<float&> { static constexpr char letter = 0; static constexpr bool output = true; using Storage = float; };
template <> struct Param<std::string&> { static constexpr char letter = 0; static constexpr bool output = true; using Storage = std::string; };

// Python argument letters of a signature, as a NUL-terminated array.
template <typename... A>
constexpr auto lettersOf() {
    std::array<char, sizeof...(A) + 1> s{};
    size_t k = 0;
    ((Param<A>::output ? void() : void(s[k++] = Param<A>::letter)), ...);
    return s;
}

constexpr bool sameLetters(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

template <typename F>
struct Signature;
template <typename R, typename... A>
struct Signature<R (*)(A...)> {
    static constexpr auto letters = lettersOf<A...>();
    // A function result or output parameters come back to Python.
    static constexpr bool results = !std::is_void_v<R> || (Param<A>::output || ... || false);
};

constexpr bool hasChar(const char* s, char c) {
    for (; *s; ++s)
        if (*s == c) return true;
    return false;
}

// Whether a generic row's family describes its routine: its arguments (none,
// scalars only, sequences), whether sequences are written back, and whether
// anything comes back (a sequence reader may return a value, as moment does).
constexpr bool familyFits(Family family, const char* letters, const char* elements, bool results) {
    const bool none = !*letters, sequences = hasChar(letters, 'O');
    const bool writesBack = hasChar(elements, 'f') || hasChar(elements, 'i') || hasChar(elements, 'm');
    switch (family) {
        case Family::NoArg: return none && !results;
        case Family::Scalar: return !none && !sequences && !results;
        case Family::Query: return none && results;
        case Family::Function: return !none && !sequences && results;
        case Family::ArrayIn: return sequences && !writesBack;
        case Family::MatrixIn: return sequences && hasChar(elements, 'M') && !writesBack;
        case Family::ArrayOut: return sequences && (writesBack || results);
        default: return false;
    }
}

// One temporary array per sequence argument.
struct SequenceBuffer {
    std::vector<float> f;
    std::vector<int> i;
    std::vector<long> l;
    PyObject* source = nullptr;
    int writeBack = 0;   // number of values to copy back after the call
    char kind = 0;
};

// Converts every sequence argument as its row says, in argument order; all
// are attempted, and the last failure's exception is the one reported; an
// exception passed through from the caller's code (KeyboardInterrupt) ends
// the conversion at once and is the one reported.
// Returns 1 to call the routine, 0 on a conversion failure (exception set),
// -1 when a count is not positive (nothing converted, routine not called).
int convertSequences(const RoutineRow& row, const long* ints, PyObject* const* objects,
                     SequenceBuffer* buffers);

// Copies the written-back sequences into their lists; 0 with an exception on failure.
int writeBackSequences(const RoutineRow& row, SequenceBuffer* buffers);

PyObject* toPython(int v);
PyObject* toPython(float v);
PyObject* toPython(const std::string& v);

template <typename F>
struct Invoker;

template <typename R, typename... A>
struct Invoker<R (*)(A...)> {
    static constexpr size_t N = sizeof...(A);
    static constexpr std::array<bool, N> isOutput{Param<A>::output...};

    // Position of each C++ parameter among the Python arguments (outputs: -1).
    static constexpr std::array<int, N> pythonIndex() {
        std::array<int, N> idx{};
        int k = 0;
        for (size_t j = 0; j < N; ++j) idx[j] = isOutput[j] ? -1 : k++;
        return idx;
    }
    static constexpr int inputCount() {
        int k = 0;
        for (bool o : isOutput) k += o ? 0 : 1;
        return k;
    }
    static constexpr std::array<int, inputCount() + 1> inputParams() {
        std::array<int, inputCount() + 1> p{};
        int k = 0;
        for (size_t j = 0; j < N; ++j)
            if (!isOutput[j]) p[k++] = int(j);
        return p;
    }

    using Storage = std::tuple<typename Param<A>::Storage...>;

    template <size_t... J>
    static int parse(PyObject* args, const char* format, Storage& st, std::index_sequence<J...>) {
        [[maybe_unused]] constexpr auto params = inputParams();
        return PyArg_ParseTuple(args, format, &std::get<params[J]>(st)...);
    }

    // The value passed for C++ parameter J.
    template <size_t J>
    static decltype(auto) argument(Storage& st, std::vector<char>* strings, SequenceBuffer* buffers) {
        using T = std::tuple_element_t<J, std::tuple<A...>>;
        constexpr int p = pythonIndex()[J];
        if constexpr (Param<T>::output) {
            return static_cast<T>(std::get<J>(st));
        } else if constexpr (std::is_same_v<T, const char*>) {
            return static_cast<const char*>(strings[p].data());
        } else if constexpr (std::is_pointer_v<T>) {
            using E = std::remove_const_t<std::remove_pointer_t<T>>;
            if constexpr (std::is_same_v<E, float>) return static_cast<T>(buffers[p].f.data());
            else if constexpr (std::is_same_v<E, int>) return static_cast<T>(buffers[p].i.data());
            else return static_cast<T>(buffers[p].l.data());
        } else {
            return std::get<J>(st);
        }
    }

    template <size_t... J>
    static PyObject* collectOutputs(Storage& st, PyObject* result, std::index_sequence<J...>) {
        PyObject* items[N + 1];
        int n = 0;
        auto one = [&](auto j) {
            constexpr size_t J0 = decltype(j)::value;
            if constexpr (isOutput[J0]) items[n++] = toPython(std::get<J0>(st));
        };
        (one(std::integral_constant<size_t, J>{}), ...);
        (void)one;
        if (result) items[n++] = result;
        for (int k = 0; k < n; ++k)
            if (!items[k]) {
                for (int m = 0; m < n; ++m) Py_XDECREF(items[m]);
                return nullptr;
            }
        if (n == 0) Py_RETURN_NONE;
        if (n == 1) return items[0];
        PyObject* tuple = PyTuple_New(n);
        if (!tuple) {
            for (int m = 0; m < n; ++m) Py_DECREF(items[m]);
            return nullptr;
        }
        for (int k = 0; k < n; ++k) PyTuple_SET_ITEM(tuple, k, items[k]);
        return tuple;
    }

    // Result when a count was not positive: None, or the routine's results
    // (a count among them) as zeros.
    static PyObject* skipped(Storage& st) {
        PyObject* result = nullptr;
        if constexpr (!std::is_void_v<R>) {
            result = toPython(R{});
            if (!result) return nullptr;
        }
        return collectOutputs(st, result, std::make_index_sequence<N>{});
    }

    template <R (*Fn)(A...)>
    static PyObject* call(const RoutineRow& row, PyObject* args) {
        static const std::string format = [&] {
            std::string f;
            for (const char* c = row.letters; *c; ++c) f += (*c == 's') ? 'O' : *c;
            return f + ":" + row.name;
        }();
        Storage st{};
        if (!parse(args, format.c_str(), st, std::make_index_sequence<inputCount()>{})) return nullptr;

        constexpr int P = inputCount();
        std::vector<char> strings[P + 1];
        SequenceBuffer buffers[P + 1];
        long ints[P + 1] = {};
        PyObject* objects[P + 1] = {};
        if (!gather(row, st, strings, ints, objects, std::make_index_sequence<N>{})) return nullptr;
        if (P > 0) {
            int status = convertSequences(row, ints, objects, buffers);
            if (status == 0) return nullptr;
            if (status < 0) return skipped(st);
        }
        PyObject* result = nullptr;
        auto invoke = [&](auto... j) { return Fn(argument<decltype(j)::value>(st, strings, buffers)...); };
        auto run = [&] { return expand(invoke, std::make_index_sequence<N>{}); };
        if constexpr (std::is_void_v<R>) {
            callRoutine(run);
        } else {
            result = toPython(callRoutine(run));
            if (!result) return nullptr;
        }
        if (P > 0 && !writeBackSequences(row, buffers)) {
            Py_XDECREF(result);
            return nullptr;
        }
        return collectOutputs(st, result, std::make_index_sequence<N>{});
    }

    template <typename Invoke, size_t... J>
    static decltype(auto) expand(Invoke& invoke, std::index_sequence<J...>) {
        return invoke(std::integral_constant<size_t, J>{}...);
    }

    // Converts the string arguments and records the integer and object
    // arguments by Python position.
    template <size_t... J>
    static bool gather(const RoutineRow& row, Storage& st, std::vector<char>* strings, long* ints,
                       PyObject** objects, std::index_sequence<J...>) {
        bool ok = true;
        auto one = [&](auto j) {
            constexpr size_t J0 = decltype(j)::value;
            using T = std::tuple_element_t<J0, std::tuple<A...>>;
            constexpr int p = pythonIndex()[J0];
            if (!ok) return;
            if constexpr (std::is_same_v<T, const char*>) {
                ok = stringArgument(std::get<J0>(st), row.name, p + 1, strings[p]) != 0;
            } else if constexpr (std::is_same_v<T, int>) {
                ints[p] = std::get<J0>(st);
            } else if constexpr (!Param<T>::output && std::is_pointer_v<T>) {
                objects[p] = std::get<J0>(st);
            }
        };
        (one(std::integral_constant<size_t, J>{}), ...);
        (void)one;
        return ok;
    }
};

// The wrapper of one routine; the row's letters must match the signature.
template <auto Fn>
PyObject* invoke(const RoutineRow& row, PyObject* args) {
    return Invoker<decltype(Fn)>::template call<Fn>(row, args);
}

}  // namespace vtx::py
