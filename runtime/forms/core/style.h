#pragma once

class QStyle;

namespace rt {

// The style every window of the programs wears: the toolkit's Fusion style,
// with the overflow arrows of menu bars made only when one is first drawn.
// Fusion reads them from image files, and reading the first image makes the
// toolkit look through every image format it could load, which a menu bar
// whose menus fit, as all the programs' do, never needs.
QStyle* makeStyle();

}  // namespace rt
