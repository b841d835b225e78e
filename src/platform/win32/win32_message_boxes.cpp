#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

UINT IconFlag(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return MB_ICONINFORMATION;
        case MessageIcon::Question: return MB_ICONQUESTION;
        case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
        case MessageIcon::None: break;
    }
    return 0;
}

}  // namespace

MessageAnswer Win32MessageBoxes::Show(const std::string& text, MessageButtons buttons,
                                      MessageIcon icon) {
    const UINT buttonFlag = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    const std::wstring wideText = Utf8ToWide(text);
    const int answer =
        MessageBoxW(owner_, wideText.c_str(), L"Tavo", buttonFlag | IconFlag(icon));
    switch (answer) {
        case IDYES: return MessageAnswer::Yes;
        case IDNO: return MessageAnswer::No;
        default: return MessageAnswer::Ok;
    }
}

}  // namespace tavo
