// Grammar rules that every script language shares: expressions with their operand lists,
// set constructors, array dimensions, initial values and designators. Each language supplies
// its own operators (relop, addop, mulop), its not-operator, whether "new" makes an object,
// and its address-of marker.
#include "script/grammar/language_registry.h"

namespace lumaro {

std::string ExpressionRules() {
    return R"XML(
<arraydim node="dim">
  <switch>
    <sequence><expression/><char text="."/><char text="." skip="0"/><expression/></sequence>
    <expression/>
  </switch>
</arraydim>
<initvalue node="init">
  <char text="="/>
  <expression err="err2"/>
</initvalue>
<expression node="expr">
  <simpleexpression/>
  <optionalloop><relop/><simpleexpression/></optionalloop>
</expression>
<simpleexpression>
  <optional><char text="-" add="op" addtext="unminus"/></optional>
  <term/>
  <optionalloop><addop/><term/></optionalloop>
</simpleexpression>
<term>
  <factor/>
  <optionalloop><mulop/><factor/></optionalloop>
</term>
<setconstructor node="set">
  <loop text=","><setnode/></loop>
</setconstructor>
<setnode>
  <expression/>
  <optional>
    <char text="." add="range"/>
    <char text="." err="err6"/>
    <expression/>
  </optional>
</setnode>
<exprlist>
  <optionalloop text=","><expression/></optionalloop>
</exprlist>
)XML";
}

std::string FactorRule(std::string_view notMarker, bool withNew) {
    return R"XML(
<factor>
  <switch>
    <designator/>
    <number add="number"/>
    <string add="string"/>
    <sequence>
      <char text="(" add="op"/>
      <expression err="err2"/>
      <char text=")" add="op" err="err7"/>
    </sequence>
    <sequence>
      )XML" + std::string(notMarker) + R"XML(
      <factor err="err2"/>
    </sequence>
    <sequence>
      <char text="["/>
      <setconstructor err="err2"/>
      <char text="]" err="err8"/>
    </sequence>)XML" + (withNew ? "\n    <newobject/>" : "") + R"XML(
    <sequence>
      <char text="&#60;"/>
      <frstring/>
      <char text="&#62;" err="err20"/>
    </sequence>
  </switch>
</factor>
)XML";
}

std::string PascalStyleRelopRule(bool withIn) {
    return std::string(R"XML(
<relop>
  <switch>
    <sequence><char text="&#62;"/><char text="=" skip="0" add="op" addtext="&#62;="/></sequence>
    <sequence><char text="&#60;"/><char text="&#62;" skip="0" add="op" addtext="&#60;&#62;"/></sequence>
    <sequence><char text="&#60;"/><char text="=" skip="0" add="op" addtext="&#60;="/></sequence>
    <char text="&#62;" add="op" addtext="&#62;"/>
    <char text="&#60;" add="op" addtext="&#60;"/>
    <char text="=" add="op" addtext="="/>)XML") +
           (withIn ? "\n    <keyword text=\"IN\" add=\"op\" addtext=\"in\"/>" : "") + R"XML(
    <keyword text="IS" add="op" addtext="is"/>
  </switch>
</relop>
)XML";
}

std::string DesignatorRule(std::string_view addressMarker) {
    return R"XML(
<designator node="dsgn">
  <optional>)XML" + std::string(addressMarker) + R"XML(</optional>
  <ident add="node"/>
  <optionalloop>
    <switch>
      <sequence>
        <char text="."/>
        <keyword add="node" err="err1"/>
      </sequence>
      <sequence>
        <char text="[" add="node"/>
        <exprlist err="err2"/>
        <char text="]" err="err8"/>
      </sequence>
      <sequence>
        <char text="("/>
        <exprlist err="err2"/>
        <char text=")" err="err7"/>
      </sequence>
    </switch>
  </optionalloop>
</designator>
)XML";
}

}  // namespace lumaro
