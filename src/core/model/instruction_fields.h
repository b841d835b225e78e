#pragma once
// The Instruction's fields by name, in declaration order (the order of a file record),
// with their widths: bytes in the file, characters in memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/instruction.h"

namespace tavo {

struct IntField {
    const char* name;
    std::int16_t Instruction::*member;
};

struct TextField {
    const char* name;
    std::string Instruction::*member;
    std::size_t width;  // bytes in the file, characters in memory
};

inline constexpr IntField kIntFields[] = {
    {"LocationX", &Instruction::LocationX},
    {"Locationy", &Instruction::Locationy},
    {"pLocationX", &Instruction::pLocationX},
    {"pLocationy", &Instruction::pLocationy},
    {"LocationBase", &Instruction::LocationBase},
    {"pLocationBase", &Instruction::pLocationBase},
    {"pPause", &Instruction::pPause},
    {"pDelay", &Instruction::pDelay},
};

inline constexpr TextField kTextFields[] = {
    {"pYesNext", &Instruction::pYesNext, kKeyWidth},
    {"pNotNext", &Instruction::pNotNext, kKeyWidth},
    {"NodeKey", &Instruction::NodeKey, kKeyWidth},
    {"NodeParent", &Instruction::NodeParent, kKeyWidth},
    {"NodeText", &Instruction::NodeText, kNodeTextWidth},
    {"pChar", &Instruction::pChar, kCharWidth},
    {"pPicture", &Instruction::pPicture, kPictureWidth},
};

// A fixed-width field without its right padding.
inline std::string WithoutPadding(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

}  // namespace tavo
