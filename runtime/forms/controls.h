#pragma once

// Every kind of control the runtime offers.
#include "buttons.h"
#include "commondialog.h"
#include "frame.h"
#include "label.h"
#include "listbox.h"
#include "menu.h"
#include "picturebox.h"
#include "scrollbar.h"
#include "textbox.h"
#include "timer.h"
