#include "skin/win32/frame_painter.h"

#include <optional>

#include "skin/win32/caption_drawing.h"
#include "skin/win32/frame_metrics.h"
#include "skin/win32/gdi.h"

namespace tavo::skin {

bool PaintFrame(HWND window, HDC target, const SkinTheme& theme, bool active, const ButtonTracker& tracker) {
    const auto frame = MeasureFrame(window, theme.metrics);
    if (!frame) return false;
    const CaptionContent content = ReadCaptionContent(window);
    std::optional<WindowDc> own;
    if (!target) target = own.emplace(window, WindowDc::WholeWindow).Get();
    if (!target) return false;
    const int w = frame->window.right - frame->window.left, h = frame->window.bottom - frame->window.top;
    // Drawn off screen first: the title bar never shows half drawn.
    const UniqueMemoryDc memory(CreateCompatibleDC(target));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(target, w, h));
    if (!memory || !bitmap) return false;
    const SelectionGuard selected(memory.Get(), bitmap.Get());
    const FrameLook look{theme, active, active ? theme.active : theme.inactive};
    DrawBorder(memory.Get(), *frame, look);
    DrawTitleBar(memory.Get(), *frame, content, look);
    DrawCaptionButtons(memory.Get(), *frame, content, look, tracker);
    const int saved = SaveDC(target);
    const Rect& inside = frame->layout.inside;
    ExcludeClipRect(target, inside.left, inside.top, inside.right, inside.bottom);
    BitBlt(target, 0, 0, w, h, memory.Get(), 0, 0, SRCCOPY);
    RestoreDC(target, saved);
    return true;
}

}  // namespace tavo::skin
