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

Picture RecognitionBlock(WindowCapture& capture, WindowHandle window, int x, int y, int code,
                         bool flashMode) {
    const ClientPoint offset = BlockOffset(code);
    return CaptureBlock(capture, window, x - offset.x, y - offset.y, kBlockSide, kBlockSide, code,
                        flashMode);
}

void PostClick(KeyboardInput& input, WindowHandle window, ClientPoint point) {
    const std::uint32_t lParam = static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.y)) << 16 |
                                 static_cast<std::uint16_t>(point.x);
    input.Post(window, kWmLButtonDown, 0, lParam);
    input.Sleep(kClickHoldMs);
    input.Post(window, kWmLButtonUp, 0, lParam);
}

bool TargetActions::Recognise(const Instruction& in, WindowHandle window, bool flashMode) {
    pimage_.Put(RecognitionBlock(capture_, window, in.pLocationX, in.pLocationy, in.pLocationBase, flashMode));
    const ClientSize size = capture_.ClientArea(window);
    ExecutionReport::Recognition r;
    r.point = ToClientPoint(in.pLocationX, in.pLocationy, in.pLocationBase, size.width, size.height);
    r.seen = Fingerprint(pimage_.Block());
    const bool ok = FingerprintMatches(r.seen, in.pPicture);
    r.stored = std::string(TrimSpaces(in.pPicture));
    r.agreeing = AgreeingPositions(r.seen, in.pPicture);
    r.percent = AgreementPercent(r.seen, in.pPicture);
    report_.recognition = std::move(r);
    return ok;
}

bool TargetActions::ExecuteInstruction(const Instruction& in, const ExecutionTarget& target) {
    const WindowHandle h = target.served;
    report_ = {};
    if ((in.pLocationX != 0 || in.pLocationy != 0) && !Recognise(in, h, target.flashMode)) return false;
    if (in.LocationX != 0 || in.Locationy != 0) {
        const ClientSize size = capture_.ClientArea(h);
        report_.click = ToClientPoint(in.LocationX, in.Locationy, in.LocationBase, size.width, size.height);
        PostClick(input_, h, *report_.click);
    }
    const std::string_view text = TrimSpaces(in.pChar);
    report_.text = std::string(text);
    if (!text.empty()) keys_.SendText(target.first, text, in.pDelay);
    return true;
}

}  // namespace tavo
