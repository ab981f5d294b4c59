#pragma once

namespace rt {

class CommandButton;
class Form;
class TextBox;

// What users expect of a small dialog that works on another window's text.

// Enter in any single-line text box of `dialog` clicks `defaultButton`;
// Escape anywhere in it clicks `cancelButton`.
void useDialogKeys(Form& dialog, CommandButton& defaultButton, CommandButton& cancelButton);

// Moves `dialog`, when it is shown and covers the selection of the
// multi-line `box`, above the selection, or below it when there is no room
// above, so that the user sees what was just selected.
void keepClearOfSelection(Form& dialog, const TextBox& box);

}  // namespace rt
