#include "core/editor/recorder.h"

#include <utility>

#include "core/acting/target_actions.h"
#include "core/model/cp936_field.h"
#include "core/model/gmx_format.h"
#include "core/util/text.h"

namespace tavo {
namespace {

constexpr int kMaxAncestors = 64;

}  // namespace

void Recorder::Toggle(WindowHandle first, bool flashMode) {
    if (recording_) {
        Stop();
        return;
    }
    const CommandState& c = s_.commands;
    if (!c.menuCtrl || c.Running() || first == 0 || !editor_.GuardEmptyInstruction()) return;
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    recording_ = true;
    target_ = first;
    flashMode_ = flashMode;
    undoName_ = "recording " + std::to_string(++recordings_);
    pending_.clear();
    clicked_ = false;
    lastKey_.clear();
    pieces_.clear();
}

void Recorder::Stop() {
    recording_ = false;
    pending_.clear();
}

void Recorder::Lock(CommandState& c) {
    c.toolbar = {};
    c.menuFile = c.menuEdit = c.menuSetup = false;
    c.menuCtrl = true;
    c.pictEnabled = false;
    c.treeEditable = false;
    c.EnableInstructionButtons(false);
}

bool Recorder::NotePress(ScreenPoint at) {
    if (!recording_ || s_.windows.WindowFromPoint(at.x, at.y) != target_) return false;
    const ScreenPoint client = s_.windows.ScreenToClient(target_, at);
    const ClientSize size = s_.capture.ClientArea(target_);
    Click click{s_.clock.MonotonicMilliseconds(), {}, kCentre, {}};
    click.stored = ToStoredPoint({client.x, client.y}, kCentre, size.width, size.height);
    // (0, 0) is "no point": the centre itself is measured from the top left instead.
    if (click.stored == ClientPoint{}) {
        click.base = kTopLeft;
        click.stored = {client.x, client.y};
    }
    if (click.stored == ClientPoint{}) return false;
    s_.pimage.Put(RecognitionBlock(s_.capture, target_, click.stored.x, click.stored.y, click.base,
                                   flashMode_));
    click.picture = Fingerprint(s_.pimage.Block());
    pending_.emplace_back(std::move(click));
    clicked_ = true;
    return true;
}

// Typed into the window: it, or the top-level window that holds it, is in front.
bool Recorder::TypedInto(WindowHandle foreground) const {
    WindowHandle w = target_;
    for (int i = 0; w != 0 && i < kMaxAncestors; ++i, w = s_.windows.Parent(w))
        if (w == foreground) return true;
    return false;
}

// Typing before the first click has no Instruction to go to.
bool Recorder::NoteKey(const TypedKey& key, WindowHandle foreground) {
    if (!recording_ || !clicked_ || !TypedInto(foreground)) return false;
    std::string piece = KeyPiece(key);
    if (piece.empty()) return false;
    pending_.emplace_back(std::move(piece));
    return true;
}

void Recorder::ApplyPending() {
    const std::vector<Noted> pending = std::exchange(pending_, {});
    for (const Noted& noted : pending) {
        if (!recording_) return;
        if (const auto* click = std::get_if<Click>(&noted)) {
            ApplyClick(*click);
        } else {
            ApplyPiece(std::get<std::string>(noted));
        }
    }
}

ScriptNode* Recorder::Last() const {
    return lastKey_.empty() ? nullptr : s_.script.Tree().Find(lastKey_);
}

void Recorder::Select(ScriptNode* node) {
    if (s_.script.CurrentNode() != node) s_.script.SelectInstruction(node);
}

void Recorder::ApplyClick(const Click& click) {
    if (s_.script.Tree().Count() >= kMaxRecords) {
        // Ended first, so nothing typed while the editor's refusal is open is kept.
        Stop();
        editor_.AddInstruction();
        return;
    }
    if (ScriptNode* previous = Last()) {
        Select(previous);
        s_.script.Current().pPause = RecordedPause(click.atMs - lastClickMs_);
        s_.script.StoreInstruction();
    }
    editor_.SetInsertParent(kRootKey);
    editor_.AddInstruction();
    Instruction& in = s_.script.Current();
    in.LocationBase = static_cast<std::int16_t>(click.base);
    in.LocationX = StoredCoordinate(click.stored.x);
    in.Locationy = StoredCoordinate(click.stored.y);
    // Recognised where the click goes: it clicks only while the picture is there.
    if (!click.picture.empty()) {
        in.pLocationBase = in.LocationBase;
        in.pLocationX = in.LocationX;
        in.pLocationy = in.Locationy;
        in.pPicture = FixWidth(click.picture, kPictureWidth);
    }
    s_.script.StoreInstruction();
    // Added empty, it left Run off; it clicks now.
    s_.runButtons.RefreshRunButtons();
    lastKey_ = KeyOf(in.NodeKey);
    lastClickMs_ = click.atMs;
    pieces_.clear();
}

// As the field editor keeps lChar: 50 characters, 50 bytes in code page 936, nothing the
// code page cannot hold.
bool Recorder::Fits(const std::string& text) {
    return CharCount(text) <= kCharWidth && s_.codePage.Encode(text).size() <= kCharBytes &&
           WithoutUnencodable(s_.codePage, text) == text;
}

void Recorder::ApplyPiece(const std::string& piece) {
    ScriptNode* last = Last();
    if (!last) return;  // its Instruction was not added: the limit ended the recording
    pieces_.push_back(piece);
    const std::string text = RecordedText(pieces_);
    if (!Fits(text)) {
        pieces_.pop_back();
        s_.messages.Beep();
        return;
    }
    Select(last);
    s_.script.Current().pChar = FixWidth(text, kCharWidth);
    s_.script.StoreInstruction();
}

}  // namespace tavo
