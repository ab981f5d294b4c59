#pragma once

namespace rt {

// Assistive technologies see each control as its kind: option buttons as
// radio buttons with their checked state, scroll bars with their Value, Min
// and Max as the program sees them, labels with their caption as text,
// picture boxes as canvases. Installed once, when the program starts.
void installAccessibleControls();

}  // namespace rt
