#pragma once

// On Linux Qt reads a combo box's accessible name as its current entry, so
// every list of a grid is heard as "combo box, 01" whatever name it was
// given. Once installed, combo boxes report the name they were given (or
// their buddy label's text) and keep the current entry as their value; a box
// with neither is still read by its entry. Safe to call more than once; call
// it before a window's combo boxes are first asked for their names.
void install_named_combo_boxes();
