#pragma once
// What the panels and controls of the main window do alike with their child controls:
// make them, read and put their text, give them a font.
#include <windows.h>

#include <string>

namespace tavo {

// A visible child with a control id, placed later by the layout; nullptr on failure.
HWND CreateChildControl(HWND parent, HINSTANCE instance, int id, const wchar_t* className,
                        const wchar_t* text, DWORD style, DWORD exStyle = 0);

// Whether `window` is `control` or one of its descendants.
bool IsWithin(HWND window, HWND control);

std::wstring WindowTextWide(HWND window);
// The window's text in UTF-8.
std::string WindowText(HWND window);

// Sends the font to every child and grandchild of `parent`, not to `parent` itself.
void SetChildrenFont(HWND parent, HFONT font);

// The text a panel puts into its boxes from a view. The boxes' EN_CHANGE comes back
// synchronously while the text is put, and must not be taken for the user's typing.
class ViewText {
public:
    // Puts the text, caret at the end, when the box holds another.
    void Put(HWND edit, const std::string& text);
    // True while Put is changing a box: the EN_CHANGE is not the user's.
    bool Putting() const { return putting_; }

private:
    bool putting_ = false;
};

}  // namespace tavo
