#pragma once
// The working state's settings as the settings panel edits them: the change rule of every
// box and of the window-kind buttons, showing and hiding the panel, and the state reset
// that many commands start with.
#include <string>
#include <vector>

#include "core/model/command_state.h"
#include "core/model/gmx_format.h"
#include "core/model/room_ports.h"
#include "core/model/run_log.h"
#include "core/model/script_state.h"
#include "core/model/working_state.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"

namespace tavo {

enum class SettingsBox { Name_txt, Width_txt, Height_txt, Text1 };

// The settings panel's boxes as the change rules leave them.
struct SettingsPanelView {
    std::string Name_txt;
    std::string Width_txt = "400";
    std::string Height_txt = "300";
    std::string Text1 = "1";
    int VScroll1 = -1;  // -10..-1: minus the number of windows to control
    bool Option1Enabled = false;  // "Flash窗体": disabled while Flash windows are selected
    bool Option2Enabled = true;   // "其它窗体"

    bool operator==(const SettingsPanelView&) const = default;
};

struct SettingsServices {
    WorkingState& state;
    ScriptState& script;
    CommandState& commands;
    Journal& journal;
    Registry& registry;
    MessageBoxes& messages;
    Clock& clock;
};

class SettingsPanel {
public:
    SettingsPanel(const SettingsServices& services, ProductInfo product, std::string programFolder);
    // The rooms above: asked before the panel toggles, told of every reset (in the order
    // connected; the run buttons last).
    void Connect(EmptyInstructionGuard& guard, RunButtons& runButtons);
    void AddResetListener(StateResetListener& listener) { listeners_.push_back(&listener); }

    // The state reset: an empty tree, log and window table, the settings from the boxes.
    void ResetState();

    // The user's edit of a box; its rule runs when the text differs from the box's.
    void EditSettingsBox(SettingsBox box, const std::string& text);
    // Like assigning the box's text: the rule runs, without any question.
    void SetBox(SettingsBox box, const std::string& text);
    void KeywordKeyReleased();
    // The spinner VScroll1 moved to `value` (-10..-1).
    void ScrollWindowCount(int value);
    // Option1 "Flash窗体" and Option2 "其它窗体": the window kind, when it changes.
    void ChooseFlashWindows();
    void ChooseOtherWindows();
    void ToggleSettings();

    // The file header from the boxes, and the header's fields put into them.
    GmxHeader HeaderFromPanel() const;
    void ApplyHeader(const std::vector<std::string>& fields);

    const SettingsPanelView& Boxes() const { return boxes_; }

private:
    bool ConfirmDiscard();
    void KeywordRule();
    void SizeRule(SettingsBox box);
    void CountRule();
    void SelectFlashWindows(bool flash);

    SettingsServices services_;
    WorkingState& state_;
    ScriptState& script_;
    ProductInfo product_;
    std::string programFolder_;
    SettingsPanelView boxes_;
    EmptyInstructionGuard* guard_ = nullptr;
    RunButtons* runButtons_ = nullptr;
    std::vector<StateResetListener*> listeners_;
};

}  // namespace tavo
