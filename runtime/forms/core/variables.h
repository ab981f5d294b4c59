#pragma once

#include "events/form_variables.h"

// Lists a window's form-level variables for those who watch the program run
// (the gallery's variables pane), each by its name, after their declarations:
//   rt::Variant nivel;
//   rt::Integer caudal;
//   RT_FORM_VARIABLES(nivel, caudal)
#define RT_FORM_VARIABLES(...)                                \
    void formVariables(rt::VariableSink& sink) const override \
    {                                                         \
        RT_FOR_EACH_VARIABLE(__VA_ARGS__)                     \
    }

// RT_FOR_EACH_VARIABLE(a, b) gives sink("a", a); sink("b", b); for up to 256
// names: each step is expanded again by the nested RT_VARIABLE_EXPAND.
#define RT_FOR_EACH_VARIABLE(...) __VA_OPT__(RT_VARIABLE_EXPAND(RT_VARIABLE_STEP(__VA_ARGS__)))
#define RT_VARIABLE_STEP(name, ...) \
    sink(#name, name);              \
    __VA_OPT__(RT_VARIABLE_AGAIN RT_VARIABLE_PARENS(__VA_ARGS__))
#define RT_VARIABLE_PARENS ()
#define RT_VARIABLE_AGAIN() RT_VARIABLE_STEP
#define RT_VARIABLE_EXPAND(...) \
    RT_VARIABLE_EXPAND3(RT_VARIABLE_EXPAND3(RT_VARIABLE_EXPAND3(RT_VARIABLE_EXPAND3(__VA_ARGS__))))
#define RT_VARIABLE_EXPAND3(...) \
    RT_VARIABLE_EXPAND2(RT_VARIABLE_EXPAND2(RT_VARIABLE_EXPAND2(RT_VARIABLE_EXPAND2(__VA_ARGS__))))
#define RT_VARIABLE_EXPAND2(...) \
    RT_VARIABLE_EXPAND1(RT_VARIABLE_EXPAND1(RT_VARIABLE_EXPAND1(RT_VARIABLE_EXPAND1(__VA_ARGS__))))
#define RT_VARIABLE_EXPAND1(...) __VA_ARGS__
