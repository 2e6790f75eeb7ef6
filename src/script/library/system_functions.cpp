#include "script/library/system_functions.h"

namespace lumaro {

const FunctionTable& systemFunctions() {
    static const FunctionTable table{conversionFunctions(), dateFunctions(), stringFunctions(),
                                     mathFunctions(), otherFunctions()};
    return table;
}

Variant callSystemFunction(std::string_view upperName, std::vector<Variant>& params) {
    return systemFunctions().call(upperName, params);
}

}  // namespace lumaro
