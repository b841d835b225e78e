#pragma once
#include <string>

namespace tavo {

enum class MessageIcon { None, Information, Question, Exclamation };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes with the program's own texts (UTF-8).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer Show(const std::string& text, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

}  // namespace tavo
