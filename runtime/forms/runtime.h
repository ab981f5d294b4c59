#pragma once

// Everything a program's windows use: forms, controls, message boxes, the
// error boundary, and the value library.
#include "events/handlers.h"
#include "events/interaction.h"
#include "forms/controls/checkbox.h"
#include "forms/controls/commandbutton.h"
#include "forms/controls/commondialog.h"
#include "forms/controls/frame.h"
#include "forms/controls/label.h"
#include "forms/controls/listbox.h"
#include "forms/controls/menu.h"
#include "forms/controls/optionbutton.h"
#include "forms/controls/picturebox.h"
#include "forms/controls/scrollbar.h"
#include "forms/controls/textbox.h"
#include "forms/controls/timer.h"
#include "forms/core/form.h"
#include "forms/core/forms.h"
#include "forms/core/variables.h"
#include "values/array.h"
#include "values/library.h"
#include "values/variant.h"
