#pragma once

class QWidget;

namespace rt {

// When the environment variable RT_SNAPSHOT names a file, saves a picture of
// `window` there once it has been drawn and ends the program: how the gallery
// makes the pictures of the programs' windows. Does nothing otherwise.
void snapshotAndQuitIfAsked(QWidget* window);

}  // namespace rt
