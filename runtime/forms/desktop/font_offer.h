#pragma once

namespace rt {

class CommonDialog;
class TextBox;

// Puts the text box's font and text colour into the common dialog before
// ShowFont, so that a cancelled dialog, whose values the editors copy back
// all the same, leaves the text as it was.
void offerFontOf(CommonDialog& dialog, const TextBox& box);

}  // namespace rt
