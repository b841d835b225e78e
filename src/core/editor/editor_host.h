#pragma once
// What the editor needs of the main window it works in.
#include <string>

#include "platform/window_queries.h"

namespace tavo {

// Controls the editor may hand the keyboard focus to.
enum class FocusTarget { None, InfoTree, lDelay, KeyBoard };

class EditorHost {
public:
    virtual void ResetState() = 0;
    virtual void RefreshRunButtons() = 0;
    virtual void InitializeInstruction() = 0;
    // DelOrder and Clear become usable: the tree has an Instruction to act on.
    virtual void EnableInstructionButtons() = 0;
    // The keyword box's text as it stands (untrimmed).
    virtual std::string KeywordText() const = 0;
    virtual void Focus(FocusTarget target) = 0;
    // The first held target window; 0 when none is held.
    virtual WindowHandle FirstWindow() const = 0;

protected:
    ~EditorHost() = default;
};

}  // namespace tavo
