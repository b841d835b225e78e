#pragma once
// The bytes of a .gmx Script file, built here from the documented layout rather than by
// Tavo's own code, so that loading and saving are checked against an independent image.
// 142-byte blocks: the header text, then one record per Instruction in display pre-order.
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct GmxRecord {
    std::int16_t LocationX = 0, Locationy = 0, pLocationX = 0, pLocationy = 0;
    std::int16_t LocationBase = 0, pLocationBase = 0, pPause = 0, pDelay = 0;
    std::wstring pYesNext{}, pNotNext{}, NodeKey{}, NodeParent{}, NodeText{}, pChar{}, pPicture{};
};

// `header`: the five fields, each ended by "|" ("Game|400|300|1|0|"). Texts are stored
// in code page 936; one that does not fit its field throws (a fixture mistake).
std::string GmxImage(const std::wstring& header, const std::vector<GmxRecord>& records);

}  // namespace e2e
