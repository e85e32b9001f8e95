// The callback registry and its dispatchers, inside an embedded interpreter.
#include <gtest/gtest.h>

#include "binding/callbacks.h"

namespace vtx::py {
namespace {

class Interpreter : public testing::Environment {
   public:
    void SetUp() override { Py_Initialize(); }
};
testing::Environment* const kInterpreter = testing::AddGlobalTestEnvironment(new Interpreter);

PyObject* evaluate(const char* code) {
    PyObject* globals = PyDict_New();
    PyDict_SetItemString(globals, "__builtins__", PyEval_GetBuiltins());
    PyRun_String("calls = []", Py_file_input, globals, globals);
    PyObject* value = PyRun_String(code, Py_eval_input, globals, globals);
    Py_DECREF(globals);
    return value;
}

TEST(Callbacks, NewestRegistrationShadowsAndExtraIsPassed) {
    PyObject* log = PyList_New(0);
    PyObject* globals = PyDict_New();
    PyDict_SetItemString(globals, "__builtins__", PyEval_GetBuiltins());
    PyDict_SetItemString(globals, "log", log);
    PyObject* first = PyRun_String("lambda *a: log.append(('first',) + a)", Py_eval_input, globals, globals);
    PyObject* second = PyRun_String("lambda *a: log.append(('second',) + a)", Py_eval_input, globals, globals);
    PyObject* extra = PyUnicode_FromString("extra");
    int before = callbackCount();
    ASSERT_TRUE(registerCallback(7, first, nullptr));
    vtx_callbck2(7);
    ASSERT_TRUE(registerCallback(7, second, extra));
    vtx_callbck(7);
    vtx_callbck2(99);  // unknown widget: nothing happens
    EXPECT_EQ(callbackCount(), before + 2);
    PyObject* expected = PyRun_String("[('first', 7), ('second', 7, 'extra')]", Py_eval_input, globals, globals);
    EXPECT_EQ(PyObject_RichCompareBool(log, expected, Py_EQ), 1);
    Py_DECREF(expected), Py_DECREF(extra), Py_DECREF(first), Py_DECREF(second), Py_DECREF(globals), Py_DECREF(log);
}

TEST(Callbacks, RegistryHoldsTwoHundredEntries) {
    PyObject* callable = evaluate("print");
    while (callbackCount() < kMaxCallbacks) ASSERT_TRUE(registerCallback(1000 + callbackCount(), callable, nullptr));
    EXPECT_FALSE(registerCallback(1, callable, nullptr));
    ASSERT_TRUE(PyErr_ExceptionMatches(PyExc_ValueError));
    PyObject *type, *value, *trace;
    PyErr_Fetch(&type, &value, &trace);
    PyObject* text = PyObject_Str(value);
    EXPECT_STREQ(PyUnicode_AsUTF8(text), "Too many callback routines");
    Py_DECREF(text), Py_XDECREF(type), Py_XDECREF(value), Py_XDECREF(trace), Py_DECREF(callable);
}

TEST(UserFunction, FloatResultsOnly) {
    PyObject* f = evaluate("lambda x, y: x * 10 + y");
    setUserFunction(f);
    EXPECT_FLOAT_EQ(vtx_funcbck2(1.5f, 0.25f), 15.25f);
    Py_DECREF(f);
    f = evaluate("lambda a, b, option: 1 if option == 1 else float(option)");
    setUserFunction(f);
    EXPECT_FLOAT_EQ(vtx_funcbck(0, 0, 1), 0.0f);  // an int result contributes 0
    EXPECT_FLOAT_EQ(vtx_funcbck(0, 0, 3), 3.0f);
    Py_DECREF(f);
}

TEST(UserFunction, ExceptionInsideIsDiscardedAndGivesZero) {
    PyObject* f = evaluate("lambda x, y: 1 / 0");
    setUserFunction(f);
    EXPECT_FLOAT_EQ(vtx_funcbck2(1, 2), 0.0f);
    EXPECT_EQ(PyErr_Occurred(), nullptr);
    Py_DECREF(f);
}

}  // namespace
}  // namespace vtx::py
