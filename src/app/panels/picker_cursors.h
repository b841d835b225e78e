#pragma once
// The pointers shown while a picker of the editor panel is held, drawn at run time:
// 32 x 32 with the hotspot at the centre for the two point pickers, 16 x 16 with the
// hotspot at the arrow's tip for the two jump pickers.
#include "app/panels/button_images.h"
#include "app/panels/pict_panel.h"

namespace tavo {

// Destroyed by its owner once the picker is let go.
UniqueIcon MakePickerCursor(Picker picker);

}  // namespace tavo
