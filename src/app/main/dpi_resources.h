#pragma once
// The font and image lists of the controls, which depend on the window's DPI.
#include <windows.h>

#include "app/main/form1_controls.h"
#include "platform/win32/gdi_handles.h"

namespace tavo {

class DpiResources {
public:
    // Makes the resources for the DPI and gives them to the controls; the previous ones
    // are released once no control uses them any more.
    void Apply(const Form1Controls& controls, UINT dpi);
    HFONT Font() const { return font_.Get(); }

private:
    UniqueFont font_;
    UniqueImageList treeImages_;
    UniqueImageList toolbarImages_;
};

}  // namespace tavo
