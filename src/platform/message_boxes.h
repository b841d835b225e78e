#pragma once
#include <string>

namespace tavo {

enum class MessageIcon { None, Information, Question, Exclamation };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes with the program's own texts (UTF-8), and the short sound that
// tells the user an input was refused.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer Show(const std::string& text, MessageButtons buttons,
                               MessageIcon icon) = 0;
    virtual void Beep() = 0;
};

}  // namespace tavo
