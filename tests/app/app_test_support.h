#pragma once
// Helpers of the label application's tests.
#include <string>
#include <utility>
#include <vector>

#include "report/variables.h"

namespace lumaro::testing {

// The variable list as (name, value text) pairs; a Null value reads "<Null>".
inline std::vector<std::pair<std::string, std::string>> variableList(const TfrxVariables& variables) {
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < variables.Count(); ++i) {
        const TfrxVariable* v = variables.Items(i);
        out.emplace_back(v->Name(), v->Value().isNull() ? "<Null>" : v->Value().toString());
    }
    return out;
}

}  // namespace lumaro::testing
