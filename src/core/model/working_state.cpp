#include "core/model/working_state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tavo {

std::string WithTrailingBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ScriptNameOf(const std::string& path) {
    if (path.rfind('\\') == std::string::npos) return {};
    const std::string name = FileNameOf(path);
    return name.substr(0, name.find('.'));
}

bool SamePath(const std::string& a, const std::string& b) {
    const auto fold = [](char c) {
        if (c == '/') return '\\';
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return fold(x) == fold(y); });
}

double NumericValue(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    std::string number;
    if (text[i] == '-' || text[i] == '+') number += text[i++];
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

long RoundedValue(const std::string& text) {
    const double v = std::nearbyint(NumericValue(text));
    constexpr double kMax = static_cast<double>(std::numeric_limits<int>::max());
    return static_cast<long>(std::fmax(-kMax, std::fmin(kMax, v)));
}

}  // namespace tavo
