#include "app/shared/ui_font.h"

#include <cwchar>

namespace tavo {
namespace {

constexpr int kPointSize = 9;
constexpr const wchar_t* kFaces[] = {L"Microsoft YaHei", L"微软雅黑", L"WenQuanYi Micro Hei",
                                     L"SimSun"};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one match is enough
}

bool FaceInstalled(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    WindowDc screen(nullptr);
    EnumFontFamiliesExW(screen.Get(), &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

const wchar_t* ChooseFace() {
    for (const wchar_t* face : kFaces)
        if (FaceInstalled(face)) return face;
    return kFaces[0];  // let font mapping find the nearest
}

}  // namespace

UniqueFont MakeUiFont(UINT dpi) {
    const int height = -MulDiv(kPointSize, static_cast<int>(dpi), 72);
    return UniqueFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ChooseFace()));
}

}  // namespace tavo
