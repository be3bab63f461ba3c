#pragma once
// What assistive technology learns of a label window: besides the window,
// each text, data field and picture on it, as a child of the window with its
// caption or picture file name and its place on the screen.

namespace sorvo {

// Registers the label window's accessible interface; once is enough.
void schildZugangEinrichten();

} // namespace sorvo
