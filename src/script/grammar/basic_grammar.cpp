// Grammar of BasicScript: a program of lines, statements separated by ':', blocks closed by
// END keywords.
#include "script/grammar/language_registry.h"

namespace lumaro {

std::string BasicScriptGrammar() {
    return std::string(R"XML(<?xml version="1.0"?>
<language text="BasicScript">
<parser>
  <commentline1 text="'"/>
  <commentline2 text="rem"/>
  <commentblock1 text="/\,/\"/>
  <commentblock2 text="/\,/\"/>
  <stringquotes text="&#34;"/>
  <hexsequence text="0x"/>
  <declarevars text="0"/>
  <skipeol text="0"/>
  <skipchar text="_"/>
  <keywords>
    <addressof/><and/><as/><byref/><byval/><case/><catch/><delete/><dim/><do/><else/>
    <elseif/><end/><endif/><exit/><finally/><for/><function/><if/><imports/><is/><loop/>
    <mod/><new/><next/><not/><or/><rem/><return/><select/><set/><step/><sub/><then/><to/>
    <try/><wend/><while/><with/><xor/>
  </keywords>
  <errors>
    <err1 text="Identifier expected"/>
    <err2 text="Expression expected"/>
    <err3 text="End of line expected"/>
    <err4 text="':' expected"/>
    <err5 text="';' expected"/>
    <err6 text="'.' expected"/>
    <err7 text="')' expected"/>
    <err8 text="']' expected"/>
    <err9 text="'=' expected"/>
    <err10 text="'TO' expected"/>
    <err11 text="'END' expected"/>
    <err12 text="'(' expected"/>
    <err13 text="'THEN' expected"/>
    <err14 text="'WHILE' expected"/>
    <err15 text="'CASE' expected"/>
    <err16 text="'SELECT' expected"/>
    <err17 text="'FINALLY' or 'CATCH' expected"/>
    <err18 text="'[' expected"/>
    <err19 text="'..' expected"/>
    <err20 text="'&#62;' expected"/>
    <err21 text="'WEND' expected"/>
    <err22 text="'NEXT' expected"/>
    <err23 text="'WITH' expected"/>
    <err24 text="'TRY' expected"/>
    <err25 text="'SUB' expected"/>
    <err26 text="'FUNCTION' expected"/>
    <err27 text="'ELSE' expected"/>
    <err28 text="'IF' expected"/>
  </errors>
</parser>
<types>
  <decimal type="extended"/>
</types>
<empty/>
<program>
  <optionalloop>
    <switch>
      <sequence><usesclause/><eol err="err3"/></sequence>
      <eol/>
    </switch>
  </optionalloop>
  <lines node="compoundstmt"/>
  <eol err="err3"/>
</program>
<usesclause node="uses">
  <keyword text="IMPORTS"/>
  <loop text=","><string add="file" err="err1"/></loop>
</usesclause>
<lines>
  <optionalloop><line/></optionalloop>
</lines>
<line>
  <switch>
    <eol/>
    <sequence><inlinestmts/><eol err="err3"/></sequence>
  </switch>
</line>
<inlinestmts>
  <loop text=":"><statement/></loop>
</inlinestmts>
<statement>
  <switch>
    <dimstmt/>
    <ifstmt/>
    <selectstmt/>
    <dostmt/>
    <whilestmt/>
    <forstmt/>
    <trystmt/>
    <withstmt/>
    <subdecl/>
    <functiondecl/>
    <returnstmt/>
    <deletestmt/>
    <exitstmt/>
    <assignstmt/>
    <callstmt/>
  </switch>
</statement>
<dimstmt>
  <keyword text="DIM"/>
  <loop text=","><dimitem/></loop>
</dimstmt>
<dimitem node="var">
  <ident add="ident" err="err1"/>
  <optional><array/></optional>
  <optional><keyword text="AS"/><ident add="type" err="err1"/></optional>
  <optional><initvalue/></optional>
</dimitem>
<array node="array">
  <loop>
    <char text="["/>
    <loop text=","><arraydim err="err2"/></loop>
    <char text="]" err="err8"/>
  </loop>
</array>
<ifstmt node="ifstmt">
  <keyword text="IF"/>
  <expression err="err2"/>
  <keyword text="THEN" err="err13"/>
  <switch>
    <sequence>
      <eol/>
      <lines node="thenstmt"/>
      <optional><elsepart/></optional>
      <endif/>
    </sequence>
    <sequence>
      <inlinestmts node="thenstmt"/>
      <optional>
        <keyword text="ELSE"/>
        <inlinestmts node="elsestmt"/>
      </optional>
    </sequence>
  </switch>
</ifstmt>
<elsepart>
  <switch>
    <elseifpart/>
    <sequence>
      <keyword text="ELSE"/>
      <lines node="elsestmt"/>
    </sequence>
  </switch>
</elsepart>
<elseifpart node="elsestmt">
  <elseifstmt/>
</elseifpart>
<elseifstmt node="ifstmt">
  <keyword text="ELSEIF"/>
  <expression err="err2"/>
  <keyword text="THEN" err="err13"/>
  <lines node="thenstmt"/>
  <optional><elsepart/></optional>
</elseifstmt>
<endif>
  <switch err="err11">
    <keyword text="ENDIF"/>
    <sequence><keyword text="END"/><keyword text="IF" err="err28"/></sequence>
  </switch>
</endif>
<selectstmt node="casestmt">
  <keyword text="SELECT"/>
  <keyword text="CASE" err="err15"/>
  <expression err="err2"/>
  <eol err="err3"/>
  <optionalloop>
    <switch>
      <eol/>
      <caseelse/>
      <caseselector/>
    </switch>
  </optionalloop>
  <keyword text="END" err="err11"/>
  <keyword text="SELECT" err="err16"/>
</selectstmt>
<caseelse>
  <keyword text="CASE"/>
  <keyword text="ELSE"/>
  <optional><char text=":"/></optional>
  <casebody/>
</caseelse>
<caseselector node="caseselector">
  <keyword text="CASE"/>
  <setconstructor err="err2"/>
  <optional><char text=":"/></optional>
  <casebody/>
</caseselector>
<casebody node="compoundstmt">
  <optional><inlinestmts/></optional>
  <eol err="err3"/>
  <lines/>
</casebody>
<dostmt node="repeatstmt">
  <keyword text="DO"/>
  <lines/>
  <keyword text="LOOP"/>
  <switch err="err14">
    <sequence><keyword text="UNTIL"/><expression err="err2"/></sequence>
    <sequence><keyword text="WHILE" add="inverse"/><expression err="err2"/></sequence>
  </switch>
</dostmt>
<whilestmt node="whilestmt">
  <keyword text="WHILE"/>
  <expression err="err2"/>
  <lines/>
  <keyword text="WEND" err="err21"/>
</whilestmt>
<forstmt node="vbforstmt">
  <keyword text="FOR"/>
  <ident add="ident" err="err1"/>
  <char text="=" err="err9"/>
  <expression err="err2"/>
  <keyword text="TO" err="err10"/>
  <expression err="err2"/>
  <optional><keyword text="STEP"/><expression err="err2"/></optional>
  <lines/>
  <keyword text="NEXT" err="err22"/>
  <optional><ident/></optional>
</forstmt>
<trystmt node="trystmt">
  <keyword text="TRY"/>
  <lines/>
  <switch err="err17">
    <sequence><keyword text="FINALLY"/><lines node="finallystmt"/></sequence>
    <sequence><keyword text="CATCH"/><lines node="exceptstmt"/></sequence>
  </switch>
  <keyword text="END" err="err11"/>
  <keyword text="TRY" err="err24"/>
</trystmt>
<withstmt node="with">
  <keyword text="WITH"/>
  <designator err="err2"/>
  <lines/>
  <keyword text="END" err="err11"/>
  <keyword text="WITH" err="err23"/>
</withstmt>
<subdecl node="procedure">
  <keyword text="SUB"/>
  <ident add="name" err="err1"/>
  <optional><formalparameters/></optional>
  <lines node="compoundstmt"/>
  <keyword text="END" err="err11"/>
  <keyword text="SUB" err="err25"/>
</subdecl>
<functiondecl node="function">
  <keyword text="FUNCTION"/>
  <ident add="name" err="err1"/>
  <optional><formalparameters/></optional>
  <optional><keyword text="AS"/><ident add="type" err="err1"/></optional>
  <lines node="compoundstmt"/>
  <keyword text="END" err="err11"/>
  <keyword text="FUNCTION" err="err26"/>
</functiondecl>
<formalparameters node="parameters">
  <char text="("/>
  <optionalloop text=","><formalparam/></optionalloop>
  <char text=")" err="err7"/>
</formalparameters>
<formalparam>
  <optionalswitch>
    <keyword text="BYREF" node="varparams"/>
    <keyword text="BYVAL"/>
  </optionalswitch>
  <paramvar/>
</formalparam>
<paramvar node="var">
  <ident add="ident" err="err1"/>
  <optional><keyword text="AS"/><ident add="type" err="err1"/></optional>
  <optional><initvalue/></optional>
</paramvar>
<returnstmt node="return">
  <keyword text="RETURN"/>
  <optional><expression/></optional>
</returnstmt>
<deletestmt node="delete">
  <keyword text="DELETE"/>
  <designator err="err1"/>
</deletestmt>
<exitstmt node="exit">
  <keyword text="EXIT"/>
  <optionalswitch><keyword text="SUB"/><keyword text="FUNCTION"/></optionalswitch>
</exitstmt>
<assignstmt node="assignstmt">
  <optional><keyword text="SET"/></optional>
  <designator/>
  <char text="="/>
  <expression err="err2"/>
</assignstmt>
<callstmt node="callstmt">
  <designator/>
</callstmt>
<newobject node="new">
  <keyword text="NEW"/>
  <designator err="err1"/>
</newobject>
<addop>
  <switch>
    <char text="+" add="op"/>
    <char text="-" add="op"/>
    <char text="&#38;" add="op" addtext="strcat"/>
    <keyword text="OR" add="op" addtext="or"/>
    <keyword text="XOR" add="op" addtext="xor"/>
  </switch>
</addop>
<mulop>
  <switch>
    <char text="*" add="op"/>
    <char text="/" add="op"/>
    <char text="\" add="op" addtext="div"/>
    <keyword text="MOD" add="op" addtext="mod"/>
    <keyword text="AND" add="op" addtext="and"/>
  </switch>
</mulop>
)XML") + ExpressionRules() + PascalStyleRelopRule(false) + FactorRule(R"XML(<keyword text="NOT" add="op" addtext="not"/>)XML", true) +
           DesignatorRule(R"XML(<keyword text="ADDRESSOF" add="addr"/>)XML") + "</language>\n";
}

}  // namespace lumaro
