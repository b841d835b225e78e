#include "core/acting/target_actions.h"

#include "core/util/text.h"

namespace tavo {

Picture CaptureBlock(WindowCapture& capture, WindowHandle window, int x, int y, int width,
                     int height, int code, bool flashMode) {
    const ClientSize size = capture.ClientArea(window);
    if (size.width <= 0 || size.height <= 0) return Picture(width, height);
    const ClientPoint at = ToClientPoint(x, y, code, size.width, size.height);
    const ClientRect region{at.x, at.y, width, height};
    Picture block = capture.PrintClientRegion(window, region);
    // The whole print's decision: its pixel at the block's corner, where the corner lies
    // in the client area (outside, the print reads as no colour, never as black).
    const bool cornerInside = at.x >= 0 && at.y >= 0 && at.x < size.width && at.y < size.height;
    if (cornerInside && block.At(0, 0) == 0 && !flashMode)
        block = capture.CopyClientRegionFromScreen(window, region);
    return block;
}

Picture CaptureBlockFromWholeArea(WindowCapture& capture, WindowHandle window, int x, int y,
                                  int width, int height, int code, bool flashMode) {
    const ClientSize size = capture.ClientArea(window);
    if (size.width <= 0 || size.height <= 0) return Picture(width, height);
    Picture surface = capture.PrintClient(window);
    const ClientPoint at = ToClientPoint(x, y, code, surface.width, surface.height);
    if (surface.At(at.x, at.y) == 0 && !flashMode) surface = capture.CopyClientFromScreen(window);
    return CutBlock(surface, x, y, width, height, code);
}

void PostClick(KeyboardInput& input, WindowHandle window, ClientPoint point) {
    const std::uint32_t lParam = static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.y)) << 16 |
                                 static_cast<std::uint16_t>(point.x);
    input.Post(window, kWmLButtonDown, 0, lParam);
    input.Sleep(kClickHoldMs);
    input.Post(window, kWmLButtonUp, 0, lParam);
}

bool TargetActions::ExecuteInstruction(const Instruction& in, const ExecutionTarget& target) {
    const WindowHandle h = target.served;
    bool ok = true;
    if (in.pLocationX != 0 || in.pLocationy != 0) {
        const ClientPoint offset = BlockOffset(in.pLocationBase);
        pimage_.Put(CaptureBlock(capture_, h, in.pLocationX - offset.x, in.pLocationy - offset.y,
                                 kBlockSide, kBlockSide, in.pLocationBase, target.flashMode));
        ok = PictureMatches(pimage_.Block(), in.pPicture);
    }
    if (!ok) return false;
    if (in.LocationX != 0 || in.Locationy != 0) {
        const ClientSize size = capture_.ClientArea(h);
        PostClick(input_, h, ToClientPoint(in.LocationX, in.Locationy, in.LocationBase, size.width, size.height));
    }
    const std::string_view text = TrimSpaces(in.pChar);
    if (!text.empty()) keys_.SendText(target.first, text, in.pDelay);
    return true;
}

}  // namespace tavo
