#pragma once
// A key combination as a person strikes it, through SendInput: the keys pressed in the
// order given, then released in reverse. System-wide hot keys see it whichever window is
// in front.
#include <windows.h>

#include <initializer_list>

namespace e2e {

bool StrikeChord(std::initializer_list<WORD> keys);

}  // namespace e2e
