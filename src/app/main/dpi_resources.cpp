#include "app/main/dpi_resources.h"

#include <commctrl.h>

#include "app/main/app_images.h"
#include "app/main/toolbar1.h"
#include "app/shared/ui_font.h"

namespace tavo {

void DpiResources::Apply(const Form1Controls& c, UINT dpi) {
    UniqueFont font = MakeUiFont(dpi);
    UniqueImageList treeImages = MakeTreeImages(dpi);
    UniqueImageList toolbarImages = MakeToolbarImages(dpi);

    const WPARAM f = reinterpret_cast<WPARAM>(font.Get());
    for (HWND control : {c.toolbar1, c.label1, c.infoTree, c.journal, c.labKeyCaption, c.labKey,
                         c.root, c.label4})
        SendMessageW(control, WM_SETFONT, f, TRUE);
    SendMessageW(c.infoTree, TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(treeImages.Get()));
    SetToolbarImages(c.toolbar1, toolbarImages.Get());

    font_ = std::move(font);
    treeImages_ = std::move(treeImages);
    toolbarImages_ = std::move(toolbarImages);
}

}  // namespace tavo
