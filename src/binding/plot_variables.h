// The named plot variables of setvar, which every quick plot (and every
// vtxini called from Python) applies through the routines they stand for.
#pragma once

#include <string>

namespace vtx::py {

enum class VariableType { Int = 1, Float = 2, Text = 3 };

struct PlotVariable {
    const char* name;
    VariableType type;
    bool set = false;
    int i = 0;
    float f = 0.0f;
    std::string s;
};

// Applies one set variable through its routine, or with -1 every set
// variable in table order. Nothing happens at level 0.
void qqsetvar(int index);

// The index of the variable if it has been set, else -1.
int check_var(const char* name);

const PlotVariable& plotVariable(int index);

}  // namespace vtx::py
