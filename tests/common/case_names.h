// Readable names for the cases of INSTANTIATE_TEST_SUITE_P, shared by the unit and the CLI
// tests. GoogleTest takes only [A-Za-z0-9_] in a case's name and each name once in a suite:
// a repeated or empty name stops the test program as it starts, so the lists show it at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace tavo::case_names {

inline bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Letters and digits kept; every run of anything else (spaces, punctuation, '_', UTF-8)
// one '_', none at either end. A text with nothing left is named by its place in the table.
inline std::string Sanitised(std::string_view text, std::size_t index) {
    std::string name;
    bool gap = false;
    for (const char c : text) {
        if (!IsNameCharacter(c)) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) name.push_back('_');
        gap = false;
        name.push_back(c);
    }
    if (name.empty()) name.append("Case_").append(std::to_string(index));
    return name;
}

// The name generator for a case struct with a `name` field (a const char* or a string):
//   INSTANTIATE_TEST_SUITE_P(Table, Suite, ::testing::Values(...), case_names::ByName{});
struct ByName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return Sanitised(info.param.name, info.index);
    }
};

// The name generator for a case named by its fields: `make` gives a text from the case.
template <class MakeName>
auto ByFields(MakeName make) {
    return [make](const auto& info) { return Sanitised(make(info.param), info.index); };
}

}  // namespace tavo::case_names
