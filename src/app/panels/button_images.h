#pragma once
// Images of the editor panel's picture buttons, drawn at run time at the window's DPI:
// the pickers and the keyboard button by their image numbers (a with/without pair each),
// and the arrows of the four move buttons.
#include <windows.h>

#include <array>

#include "platform/win32/gdi_handles.h"

namespace tavo {

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;

enum class ButtonArrow { Up, Down, Left, Right };

// Pixel edge of a button image at the given DPI (22 at 96 DPI).
int ButtonImageSize(UINT dpi);

class ButtonImages {
public:
    ButtonImages() = default;  // holds no images
    explicit ButtonImages(UINT dpi);

    // The image numbered kImageRecognitionPicker .. kImageClickPickerSet; nullptr for
    // any other number.
    HICON Picture(int imageNumber) const;
    HICON Arrow(ButtonArrow arrow) const;

private:
    std::array<UniqueIcon, 6> pictures_;
    std::array<UniqueIcon, 4> arrows_;
};

}  // namespace tavo
