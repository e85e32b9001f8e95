#define PY_SSIZE_T_CLEAN
#include <Python.h>
static struct PyModuleDef vantixModule = {PyModuleDef_HEAD_INIT, "vantix", nullptr, -1, nullptr, nullptr, nullptr, nullptr, nullptr};
PyMODINIT_FUNC PyInit_vantix(void) { return PyModule_Create(&vantixModule); }
