#include "core/capture/picking.h"

#include <algorithm>
#include <cstdint>

#include "core/runner/run_log.h"
#include "core/runner/target_actions.h"
#include "core/util/text.h"

namespace tavo {
namespace {

std::int16_t Field(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

}  // namespace

int Picking::BeginPointPick(PickerKind picker, int windowTop, int windowHeight) {
    if (picker == PickerKind::Recognition) {
        Instruction& in = script_.Current();
        beforePress_ = {in.pLocationX, in.pLocationy, fields_.View().comm2Image};
        fields_.ShowPickerImages(kImageRecognitionPicker, fields_.View().comm4Image);
        in.pLocationX = in.pLocationy = 0;
    }
    return top_.Hide(windowTop, windowHeight);
}

int Picking::CancelPointPick(PickerKind picker) {
    if (picker == PickerKind::Recognition) PutBackRecognitionPoint();
    return top_.Saved();
}

void Picking::CancelJumpPick() { fields_.SetPanelTop(top_.Saved()); }

void Picking::PutBackRecognitionPoint() {
    Instruction& in = script_.Current();
    in.pLocationX = beforePress_.x;
    in.pLocationy = beforePress_.y;
    fields_.ShowPickerImages(beforePress_.image, fields_.View().comm4Image);
}

void Picking::BeginJumpPick() {
    fields_.SetPanelTop(top_.Hide(fields_.View().top, kPictHeight));
}

// The release point in the first target window's client area, if it lies there.
std::optional<ScreenPoint> Picking::InFirstWindow(ScreenPoint release) const {
    const WindowHandle first = host_.FirstWindow();
    if (first == 0 || services_.windows.WindowFromPoint(release.x, release.y) != first)
        return std::nullopt;
    return services_.windows.ScreenToClient(first, release);
}

ClientPoint Picking::StoredPoint(ScreenPoint client, int base) const {
    const ClientSize size = services_.capture.ClientArea(host_.FirstWindow());
    return ToStoredPoint({client.x, client.y}, base, size.width, size.height);
}

bool Picking::AcceptPoint(ClientPoint stored) {
    if (stored != ClientPoint{0, 0}) return true;
    services_.messages.Beep();
    host_.AppendLog(LogTime(services_.clock.Now()) + kPickOnReferencePoint + kLogEnd);
    return false;
}

int Picking::FinishPointPick(PickerKind picker, ScreenPoint release) {
    const std::optional<ScreenPoint> client = InFirstWindow(release);
    Instruction& in = script_.Current();
    if (picker == PickerKind::Click && client) {
        const ClientPoint stored = StoredPoint(*client, in.LocationBase);
        if (!AcceptPoint(stored)) return top_.Saved();
        in.LocationX = Field(stored.x);
        in.Locationy = Field(stored.y);
        fields_.ShowPickerImages(fields_.View().comm2Image, kImageClickPickerSet);
        script_.StoreInstruction();
    } else if (picker == PickerKind::Recognition) {
        if (client && !AcceptPoint(StoredPoint(*client, in.pLocationBase))) {
            PutBackRecognitionPoint();  // a refused pick stores nothing
            return top_.Saved();
        }
        if (client) TakePicture(*client, release);
        // Stored either way: the press already reset the point.
        script_.StoreInstruction();
    }
    return top_.Saved();
}

// The block around the point, taken by the runner's own capture, becomes the picture
// when it has contrast enough; otherwise the point stays unset.
void Picking::TakePicture(ScreenPoint client, ScreenPoint release) {
    Instruction& in = script_.Current();
    const WindowHandle first = host_.FirstWindow();
    const ClientPoint stored = StoredPoint(client, in.pLocationBase);
    services_.windows.MovePointer(kPointerAside);
    services_.clock.Sleep(kRepaintWaitMs);
    services_.pump.ProcessPendingEvents();
    const ClientPoint offset = BlockOffset(in.pLocationBase);
    services_.pimage.Put(CaptureBlock(services_.capture, first, stored.x - offset.x, stored.y - offset.y,
                                      kBlockSide, kBlockSide, in.pLocationBase, host_.FlashMode()));
    const std::string fingerprint = Fingerprint(services_.pimage.Block());
    in.pPicture = FixWidth(fingerprint, kPictureWidth);
    services_.windows.MovePointer(release);
    const bool accepted = !fingerprint.empty();
    if (accepted) {
        in.pLocationX = Field(stored.x);
        in.pLocationy = Field(stored.y);
    }
    fields_.ShowPickerImages(accepted ? kImageRecognitionPickerSet : kImageRecognitionPicker,
                             fields_.View().comm4Image);
}

void Picking::FinishJumpPick(PickerKind picker, const std::optional<std::string>& node) {
    fields_.SetPanelTop(top_.Saved());
    ScriptTree& tree = script_.Tree();
    ScriptNode* own = script_.CurrentNode();
    if (!own) return;
    const bool success = picker == PickerKind::SuccessJump;
    Instruction& in = script_.Current();
    std::string& key = success ? in.pYesNext : in.pNotNext;
    const ScriptNode* target = node ? tree.Find(*node) : nullptr;
    if (target && target != own) {
        key = FixWidth(target->key, kKeyWidth);
        tree.SetIcon(own, kIconWithJump);
    } else {
        // A drop beside the tree or on the Instruction itself removes this jump; the
        // icon shows a jump as long as the other one is set.
        const std::string& otherText = success ? fields_.View().Text3 : fields_.View().Text2;
        if (IsBlank(otherText))
            tree.SetIcon(own, own->children.empty() ? kIconInstruction : kIconWithChildren);
        key = Blank(kKeyWidth);
    }
    fields_.ShowJumps();
    script_.StoreInstruction();
}

void Picking::SelectOrientation(PadKind pad, int square) {
    Instruction& in = script_.Current();
    const int chosen = pad == PadKind::Click ? in.LocationBase : in.pLocationBase;
    if (square == chosen || square < 0 || square > kBottomRight) return;
    // Another orientation makes the picked point (and picture) meaningless: pick again.
    if (pad == PadKind::Click) {
        in.LocationX = in.Locationy = 0;
        in.LocationBase = static_cast<std::int16_t>(square);
        fields_.ShowPickerImages(fields_.View().comm2Image, kImageClickPicker);
    } else {
        in.pLocationX = in.pLocationy = 0;
        in.pPicture = Blank(kPictureWidth);
        in.pLocationBase = static_cast<std::int16_t>(square);
        fields_.ShowPickerImages(kImageRecognitionPicker, fields_.View().comm4Image);
    }
    fields_.ShowSquares();
    script_.StoreInstruction();
}

}  // namespace tavo
