#pragma once
// Names of table-driven test cases made from their description, for INSTANTIATE_TEST_SUITE_P:
// "set C: odd length" becomes "SetCOddLength".
#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace lumaro::testing {

inline std::string testNameOf(const std::string& what) {
    std::string name;
    bool upper = true;
    for (char ch : what) {
        if (std::isalnum(static_cast<unsigned char>(ch))) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(ch))) : ch;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

// The name of a case from its member `what`.
struct NameFromWhat {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return testNameOf(info.param.what);
    }
};

}  // namespace lumaro::testing
