#pragma once

#include "forms/core/layout.h"

#include <vector>

namespace rt {

// The position in `controls` of the label that names control `which` for
// assistive technologies, or -1. Only text boxes, list boxes and scroll bars are named
// so: by a label with a caption that is their nearest neighbour in the same container,
// immediately to the left (overlapping rows) or else immediately above
// (overlapping columns), no more than 20 pixels away.
int labelFor(const std::vector<ControlSpec>& controls, size_t which);

}  // namespace rt
