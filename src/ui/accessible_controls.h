#pragma once

// How the program's own kinds of control present themselves to assistive technology.
// Installed once, before the first window is made; installing again does nothing.
//
// - A combo box is named by its accessible name (or its caption's buddy), its current text
//   is its value: Qt's own combo box on Linux gives its text as its name, so twenty place
//   boxes would all read "N/A".
// - A clickable label is a button: it is named by its caption and pressed by the press action.
namespace AccessibleControls {
void install();
}
