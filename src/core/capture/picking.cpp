#include "core/capture/picking.h"

#include <cstdint>

#include "core/acting/target_actions.h"
#include "core/util/text.h"

namespace tavo {

int Picking::BeginPointPick(PickerKind picker, int windowTop, int windowHeight) {
    if (picker == PickerKind::Recognition) {
        Instruction& in = script_.Current();
        beforePress_ = {in.pLocationX, in.pLocationy, panel_.RecognitionPickerSet()};
        panel_.ShowRecognitionPicker(false);
        in.pLocationX = in.pLocationy = 0;
    }
    return top_.Hide(windowTop, windowHeight);
}

int Picking::CancelPointPick(PickerKind picker) {
    if (picker == PickerKind::Recognition) PutBackRecognitionPoint();
    return top_.Saved();
}

void Picking::CancelJumpPick() { panel_.SetTop(top_.Saved()); }

void Picking::PutBackRecognitionPoint() {
    Instruction& in = script_.Current();
    in.pLocationX = beforePress_.x;
    in.pLocationy = beforePress_.y;
    panel_.ShowRecognitionPicker(beforePress_.pickerSet);
}

void Picking::BeginJumpPick() {
    panel_.SetTop(top_.Hide(panel_.Top(), panel_.Height()));
}

// The release point in the window's client area, if it lies there.
std::optional<ScreenPoint> Picking::InWindow(ScreenPoint release, WindowHandle window) const {
    if (window == 0 || services_.windows.WindowFromPoint(release.x, release.y) != window)
        return std::nullopt;
    return services_.windows.ScreenToClient(window, release);
}

ClientPoint Picking::StoredPoint(ScreenPoint client, int base, WindowHandle window) const {
    const ClientSize size = services_.capture.ClientArea(window);
    return ToStoredPoint({client.x, client.y}, base, size.width, size.height);
}

bool Picking::AcceptPoint(ClientPoint stored) {
    if (stored != ClientPoint{0, 0}) return true;
    services_.messages.Beep();
    LogRefusal(PickRefusal::OnReferencePoint);
    return false;
}

void Picking::LogRefusal(PickRefusal refusal) {
    services_.journal.Append(LogTime(services_.clock.Now()) + RefusalLogText(refusal) + kLogEnd);
}

PickPreview Picking::PreviewPointPick(PickerKind picker, ScreenPoint pointer, PickTarget target) const {
    PickPreview preview;
    preview.recognition = picker == PickerKind::Recognition;
    const std::optional<ScreenPoint> client = InWindow(pointer, target.window);
    if (!client) {
        preview.refusal = target.window == 0 ? PickRefusal::NoTarget : PickRefusal::Outside;
        return preview;
    }
    const Instruction& in = script_.Current();
    const int base = preview.recognition ? in.pLocationBase : in.LocationBase;
    preview.stored = StoredPoint(*client, base, target.window);
    preview.block = RecognitionBlock(services_.capture, target.window, preview.stored.x,
                                     preview.stored.y, base, target.flashMode);
    if (preview.stored == ClientPoint{0, 0})
        preview.refusal = PickRefusal::OnReferencePoint;
    else if (preview.recognition && Fingerprint(preview.block).empty())
        preview.refusal = PickRefusal::FlatPicture;
    else
        preview.refusal = PickRefusal::None;
    return preview;
}

int Picking::FinishPointPick(PickerKind picker, ScreenPoint release, PickTarget target) {
    const std::optional<ScreenPoint> client = InWindow(release, target.window);
    Instruction& in = script_.Current();
    if (!client) LogRefusal(target.window == 0 ? PickRefusal::NoTarget : PickRefusal::Outside);
    if (picker == PickerKind::Click && client) {
        const ClientPoint stored = StoredPoint(*client, in.LocationBase, target.window);
        if (!AcceptPoint(stored)) return top_.Saved();
        in.LocationX = StoredCoordinate(stored.x);
        in.Locationy = StoredCoordinate(stored.y);
        panel_.ShowClickPicker(true);
        script_.StoreInstruction();
    } else if (picker == PickerKind::Recognition) {
        if (client && !AcceptPoint(StoredPoint(*client, in.pLocationBase, target.window))) {
            PutBackRecognitionPoint();  // a refused pick stores nothing
            return top_.Saved();
        }
        if (client) TakePicture(*client, release, target);
        // Stored either way: the press already reset the point.
        script_.StoreInstruction();
    }
    return top_.Saved();
}

// The block around the point, taken by the runner's own capture, becomes the picture
// when it has contrast enough; otherwise the point stays unset.
void Picking::TakePicture(ScreenPoint client, ScreenPoint release, PickTarget target) {
    Instruction& in = script_.Current();
    const ClientPoint stored = StoredPoint(client, in.pLocationBase, target.window);
    services_.windows.MovePointer(kPointerAside);
    services_.clock.Sleep(kRepaintWaitMs);
    services_.pump.ProcessPendingEvents();
    services_.pimage.Put(
        RecognitionBlock(services_.capture, target.window, stored.x, stored.y, in.pLocationBase, target.flashMode));
    const std::string fingerprint = Fingerprint(services_.pimage.Block());
    in.pPicture = FixWidth(fingerprint, kPictureWidth);
    services_.windows.MovePointer(release);
    const bool accepted = !fingerprint.empty();
    if (accepted) {
        in.pLocationX = StoredCoordinate(stored.x);
        in.pLocationy = StoredCoordinate(stored.y);
    } else {
        LogRefusal(PickRefusal::FlatPicture);
    }
    panel_.ShowRecognitionPicker(accepted);
}

void Picking::FinishJumpPick(PickerKind picker, const std::optional<std::string>& node) {
    panel_.SetTop(top_.Saved());
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
        if (!panel_.ShowsJump(!success))
            tree.SetIcon(own, own->children.empty() ? kIconInstruction : kIconWithChildren);
        key = Blank(kKeyWidth);
    }
    panel_.ShowJumps();
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
        panel_.ShowClickPicker(false);
    } else {
        in.pLocationX = in.pLocationy = 0;
        in.pPicture = Blank(kPictureWidth);
        in.pLocationBase = static_cast<std::int16_t>(square);
        panel_.ShowRecognitionPicker(false);
    }
    panel_.ShowSquares();
    script_.StoreInstruction();
}

}  // namespace tavo
