#include "driver/gmx_image.h"

#include <windows.h>

#include <stdexcept>

#include "driver/text.h"

namespace e2e {

namespace {

constexpr size_t kBlock = 142;

std::string Cp936(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void PutText(std::string& block, const std::wstring& text, size_t width) {
    const std::string bytes = Cp936(text);
    if (bytes.size() > width) throw std::invalid_argument("too long for its .gmx field: " + Narrow(text));
    block += bytes;
    block.append(width - bytes.size(), ' ');
}

void PutInt(std::string& block, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    block += static_cast<char>(bits & 0xFF);
    block += static_cast<char>(bits >> 8);
}

std::string Record(const GmxRecord& r) {
    std::string block;
    for (std::int16_t v : {r.LocationX, r.Locationy, r.pLocationX, r.pLocationy, r.LocationBase, r.pLocationBase,
                           r.pPause, r.pDelay}) {
        PutInt(block, v);
    }
    PutText(block, r.pYesNext, 5);
    PutText(block, r.pNotNext, 5);
    PutText(block, r.NodeKey, 5);
    PutText(block, r.NodeParent, 5);
    PutText(block, r.NodeText, 20);
    PutText(block, r.pChar, 50);
    PutText(block, r.pPicture, 36);
    return block;
}

}  // namespace

std::string GmxImage(const std::wstring& header, const std::vector<GmxRecord>& records) {
    std::string file;
    PutText(file, header, kBlock);
    for (const GmxRecord& r : records) file += Record(r);
    return file;
}

}  // namespace e2e
