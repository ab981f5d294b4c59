#pragma once

// Everything a program's windows use: forms, controls, message boxes, the
// error boundary, and the value library.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/forms.h"
#include "forms/interaction.h"
#include "forms/program.h"
#include "values/array.h"
#include "values/library.h"
#include "values/variant.h"
