// Grammar rules shared by C++Script and JScript. Each language adds its own "program",
// declarations, "statement" and "dostmt".
#include "script/grammar/language_registry.h"

namespace lumaro {

std::string CFamilyRules() {
    return std::string(R"XML(
<simplestatement>
  <switch>
    <vardecl/>
    <deletestmt/>
    <returnstmt/>
    <keyword text="BREAK" node="break"/>
    <keyword text="CONTINUE" node="continue"/>
    <assignstmt/>
    <callstmt/>
  </switch>
</simplestatement>
<array node="array">
  <loop>
    <char text="["/>
    <loop text=","><arraydim err="err2"/></loop>
    <char text="]" err="err8"/>
  </loop>
</array>
<newobject node="new">
  <keyword text="NEW"/>
  <designator err="err1"/>
</newobject>
<relop>
  <switch>
    <sequence><char text="="/><char text="=" skip="0" add="op" addtext="="/></sequence>
    <sequence><char text="!"/><char text="=" skip="0" add="op" addtext="&#60;&#62;"/></sequence>
    <sequence><char text="&#62;"/><char text="=" skip="0" add="op" addtext="&#62;="/></sequence>
    <sequence><char text="&#60;"/><char text="=" skip="0" add="op" addtext="&#60;="/></sequence>
    <char text="&#62;" add="op" addtext="&#62;"/>
    <char text="&#60;" add="op" addtext="&#60;"/>
    <keyword text="IN" add="op" addtext="in"/>
    <keyword text="IS" add="op" addtext="is"/>
  </switch>
</relop>
<addop>
  <switch>
    <char text="+" add="op"/>
    <char text="-" add="op"/>
    <sequence><char text="|"/><char text="|" skip="0" add="op" addtext="or"/></sequence>
    <char text="^" add="op" addtext="xor"/>
  </switch>
</addop>
<mulop>
  <switch>
    <char text="*" add="op"/>
    <char text="/" add="op"/>
    <char text="%" add="op" addtext="mod"/>
    <sequence><char text="&#38;"/><char text="&#38;" skip="0" add="op" addtext="and"/></sequence>
    <sequence><char text="&#60;"/><char text="&#60;" skip="0" add="op" addtext="shl"/></sequence>
    <sequence><char text="&#62;"/><char text="&#62;" skip="0" add="op" addtext="shr"/></sequence>
    <keyword text="DIV" add="op" addtext="div"/>
  </switch>
</mulop>
<assignstmt node="assignstmt">
  <designator/>
  <switch>
    <char text="="/>
    <sequence><char text="+" add="modificator"/><char text="=" skip="0"/></sequence>
    <sequence><char text="-" add="modificator"/><char text="=" skip="0"/></sequence>
    <sequence><char text="*" add="modificator"/><char text="=" skip="0"/></sequence>
    <sequence><char text="/" add="modificator"/><char text="=" skip="0"/></sequence>
  </switch>
  <expression err="err2"/>
</assignstmt>
<callstmt node="callstmt">
  <designator/>
  <optionalswitch>
    <sequence><char text="+"/><char text="+" skip="0" add="modificator"/></sequence>
    <sequence><char text="-"/><char text="-" skip="0" add="modificator"/></sequence>
  </optionalswitch>
</callstmt>
<returnstmt node="return">
  <keyword text="RETURN"/>
  <optional><expression/></optional>
</returnstmt>
<deletestmt node="delete">
  <keyword text="DELETE"/>
  <designator err="err1"/>
</deletestmt>
<ifstmt node="ifstmt">
  <keyword text="IF"/>
  <char text="(" err="err12"/>
  <expression err="err2"/>
  <char text=")" err="err7"/>
  <statement node="thenstmt" err="err3"/>
  <optional>
    <keyword text="ELSE"/>
    <statement node="elsestmt" err="err3"/>
  </optional>
</ifstmt>
<switchstmt node="casestmt">
  <keyword text="SWITCH"/>
  <char text="(" err="err12"/>
  <expression err="err2"/>
  <char text=")" err="err7"/>
  <char text="{" err="err10"/>
  <optionalloop><caseselector/></optionalloop>
  <optional>
    <keyword text="DEFAULT"/>
    <char text=":" err="err4"/>
    <statement/>
  </optional>
  <char text="}" err="err11"/>
</switchstmt>
<caseselector node="caseselector">
  <keyword text="CASE"/>
  <setconstructor err="err2"/>
  <char text=":" err="err4"/>
  <statement/>
</caseselector>
<whilestmt node="whilestmt">
  <keyword text="WHILE"/>
  <char text="(" err="err12"/>
  <expression err="err2"/>
  <char text=")" err="err7"/>
  <statement err="err3"/>
</whilestmt>
<forstmt node="cppforstmt">
  <keyword text="FOR"/>
  <char text="(" err="err12"/>
  <forlist/>
  <char text=";" err="err5"/>
  <expression err="err2"/>
  <char text=";" err="err5"/>
  <forlist/>
  <char text=")" err="err7"/>
  <statement err="err3"/>
</forstmt>
<forlist node="compoundstmt">
  <optionalloop text=",">
    <switch><vardecl/><assignstmt/><callstmt/></switch>
  </optionalloop>
</forlist>
<trystmt node="trystmt">
  <keyword text="TRY"/>
  <compoundstmt err="err10"/>
  <switch err="err17">
    <sequence><keyword text="FINALLY"/><compoundstmt node="finallystmt" err="err10"/></sequence>
    <sequence><keyword text="EXCEPT"/><compoundstmt node="exceptstmt" err="err10"/></sequence>
  </switch>
</trystmt>
<compoundstmt node="compoundstmt">
  <char text="{"/>
  <optionalloop><statement/></optionalloop>
  <char text="}" err="err11"/>
</compoundstmt>
<formalparameters node="parameters">
  <char text="("/>
  <optionalloop text=","><formalparam/></optionalloop>
  <char text=")" err="err7"/>
</formalparameters>
)XML") + ExpressionRules() + FactorRule(R"XML(<char text="!" add="op" addtext="not"/>)XML", true) + DesignatorRule(R"XML(<char text="&#38;" add="addr"/>)XML");
}

}  // namespace lumaro
