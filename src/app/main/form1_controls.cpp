#include "app/main/form1_controls.h"

#include <commctrl.h>

#include "app/controls/banner.h"
#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"
#include "app/panels/fram_panel.h"
#include "app/panels/key_board_control.h"
#include "app/panels/pict_panel.h"
#include "app/main/toolbar1.h"

namespace tavo {

bool CreateForm1Controls(HWND parent, HINSTANCE instance, FramPanel& fram, PictPanel& pict,
                         KeyBoardControl& keyBoard, Form1Controls& c) {
    // The first child made is the top of the z-order: the keyboard lies over the editor
    // panel, both over the settings panel, which lies over the tree; the bar overlaps the
    // edges of the tree and the log. SS_NOTIFY lets the bar take the mouse (its pointer
    // now, its dragging later).
    if (!keyBoard.Create(parent, instance, IDC_TKEYBOARD) || !pict.Create(parent, instance) ||
        !fram.Create(parent, instance))
        return false;
    c.keyBoard = keyBoard.Handle();
    c.pict = pict.Handle();
    c.fram = fram.Handle();
    c.pict2 = CreateChildControl(parent, instance, IDC_PICT2, WC_STATICW, L"",
                                 SS_LEFT | SS_NOTIFY | WS_CLIPSIBLINGS);
    c.toolbar1 = CreateToolbar1(parent, instance);
    c.labKeyCaption = CreateChildControl(parent, instance, IDC_LABKEY_CAPTION, WC_STATICW,
                                         L"父指令:", SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX);
    c.labKey =
        CreateChildControl(parent, instance, IDC_LABKEY, WC_STATICW, L"Root",
                           SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX | SS_ENDELLIPSIS | SS_NOTIFY);
    c.root = CreateChildControl(parent, instance, IDC_ROOT, WC_BUTTONW, L"<", BS_PUSHBUTTON);
    c.pimage = CreateChildControl(parent, instance, IDC_PIMAGE, WC_STATICW, L"", SS_OWNERDRAW);
    c.label1 = CreateChildControl(parent, instance, IDC_LABEL1, WC_STATICW, L"",
                                  SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX);
    c.infoTree = CreateChildControl(parent, instance, IDC_INFOTREE, WC_TREEVIEWW, L"",
                                    WS_TABSTOP | WS_CLIPSIBLINGS | TVS_HASLINES | TVS_HASBUTTONS |
                                        TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_EDITLABELS,
                                    WS_EX_CLIENTEDGE);
    c.journal = CreateChildControl(
        parent, instance, IDC_JOURNAL, WC_EDITW, L"",
        WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
        WS_EX_CLIENTEDGE);
    if (c.journal) SendMessageW(c.journal, EM_SETLIMITTEXT, 0, 0);  // the log is never trimmed
    c.label4 = CreateBanner(parent, instance, IDC_LABEL4);
    return c.toolbar1 && c.pimage && c.label1 && c.infoTree && c.journal && c.pict2 &&
           c.labKeyCaption && c.labKey && c.root && c.label4;
}

}  // namespace tavo
