#include "app/main/toolbar1.h"

#include "app/main/app_images.h"
#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"

namespace tavo {
namespace {

const wchar_t* ButtonText(int button) {
    switch (button) {
        case kButtonOpen: return L"打开";
        case kButtonNewInstruction: return L"新增";
        case kButtonSave: return L"保存";
        case kButtonRun: return L"运行";
        case kButtonStop: return L"停止";
        default: return nullptr;  // a separator
    }
}

TBBUTTON MakeButton(int button) {
    TBBUTTON b{};
    b.idCommand = IDC_TOOLBAR_BUTTON_BASE + button;
    if (const wchar_t* text = ButtonText(button)) {
        b.iBitmap = ToolbarImageIndex(button);
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        b.iString = reinterpret_cast<INT_PTR>(text);
    } else {
        b.fsStyle = BTNS_SEP;
    }
    return b;
}

}  // namespace

HWND CreateToolbar1(HWND parent, HINSTANCE instance) {
    // Placed by the layout in the top band, not docked by the common controls.
    const DWORD style =
        TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    HWND toolbar =
        CreateChildControl(parent, instance, IDC_TOOLBAR1, TOOLBARCLASSNAMEW, nullptr, style);
    if (!toolbar) return nullptr;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    std::array<TBBUTTON, kToolbarButtonCount> buttons{};
    for (int n = 1; n <= kToolbarButtonCount; ++n) buttons[n - 1] = MakeButton(n);
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    return toolbar;
}

void SetToolbarImages(HWND toolbar, HIMAGELIST images) {
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
}

void ApplyToolbarEnabled(HWND toolbar, const ToolbarState& state, bool saveEnabled) {
    const std::pair<int, bool> buttons[] = {{kButtonOpen, state.open},
                                            {kButtonNewInstruction, state.newInstruction},
                                            {kButtonSave, saveEnabled},
                                            {kButtonRun, state.run},
                                            {kButtonStop, state.stop}};
    for (const auto& [button, enabled] : buttons)
        SendMessageW(toolbar, TB_ENABLEBUTTON, IDC_TOOLBAR_BUTTON_BASE + button,
                     MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

std::optional<Command> ToolbarCommand(int commandId) {
    switch (commandId - IDC_TOOLBAR_BUTTON_BASE) {
        case kButtonOpen: return Command::MenuOpen;
        case kButtonNewInstruction: return Command::EditNew;
        case kButtonSave: return Command::MenuSave;
        case kButtonRun: return Command::CtrlRun;
        case kButtonStop: return Command::CtrlStop;
        default: return std::nullopt;
    }
}

}  // namespace tavo
