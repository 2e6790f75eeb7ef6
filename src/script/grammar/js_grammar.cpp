// Grammar of JScript: untyped declarations, optional semicolons, functions anywhere, on
// the shared C-family expression and statement rules.
#include "script/grammar/language_registry.h"

namespace lumaro {

std::string JScriptGrammar() {
    return std::string(R"XML(<?xml version="1.0"?>
<language text="JScript">
<parser>
  <commentline1 text="//"/>
  <commentblock1 text="/*,*/"/>
  <commentblock2 text="/*,*/"/>
  <stringquotes text="&#34;"/>
  <hexsequence text="0x"/>
  <declarevars text="0"/>
  <keywords>
    <break/><case/><continue/><default/><delete/><do/><else/><except/><finally/><for/>
    <function/><import/><in/><is/><if/><new/><return/><switch/><try/><var/><while/><with/>
  </keywords>
  <errors>
    <err1 text="Identifier expected"/>
    <err2 text="Expression expected"/>
    <err3 text="Statement expected"/>
    <err4 text="':' expected"/>
    <err5 text="';' expected"/>
    <err6 text="'.' expected"/>
    <err7 text="')' expected"/>
    <err8 text="']' expected"/>
    <err9 text="'=' expected"/>
    <err10 text="'{' expected"/>
    <err11 text="'}' expected"/>
    <err12 text="'(' expected"/>
    <err14 text="'WHILE' expected"/>
    <err17 text="'FINALLY' or 'EXCEPT' expected"/>
    <err18 text="'[' expected"/>
    <err19 text="'..' expected"/>
    <err20 text="'&#62;' expected"/>
  </errors>
</parser>
<types/>
<empty/>
<program>
  <optionalloop><usesclause/></optionalloop>
  <statements/>
  <eol err="err3"/>
</program>
<statements node="compoundstmt">
  <optionalloop><statement/></optionalloop>
</statements>
<usesclause node="uses">
  <keyword text="IMPORT"/>
  <loop text=","><string add="file" err="err1"/></loop>
  <optional><char text=";"/></optional>
</usesclause>
<vardecl>
  <keyword text="VAR"/>
  <loop text=","><varitem/></loop>
</vardecl>
<varitem node="var">
  <ident add="ident" err="err1"/>
  <optional><array/></optional>
  <optional><initvalue/></optional>
</varitem>
<functiondecl node="function">
  <keyword text="FUNCTION"/>
  <ident add="name" err="err1"/>
  <formalparameters err="err12"/>
  <compoundstmt err="err10"/>
</functiondecl>
<formalparam node="var">
  <optional><char text="&#38;" add="varparam"/></optional>
  <ident add="ident" err="err1"/>
</formalparam>
<statement>
  <switch>
    <compoundstmt/>
    <functiondecl/>
    <ifstmt/>
    <switchstmt/>
    <whilestmt/>
    <dostmt/>
    <forstmt/>
    <trystmt/>
    <withstmt/>
    <simplestatement/>
    <char text=";" node="empty"/>
  </switch>
  <optional><char text=";"/></optional>
</statement>
<dostmt node="repeatstmt">
  <keyword text="DO"/>
  <statement err="err3"/>
  <keyword text="WHILE" add="inverse" err="err14"/>
  <char text="(" err="err12"/>
  <expression err="err2"/>
  <char text=")" err="err7"/>
</dostmt>
<withstmt node="with">
  <keyword text="WITH"/>
  <char text="(" err="err12"/>
  <designator err="err2"/>
  <char text=")" err="err7"/>
  <statement err="err3"/>
</withstmt>
)XML") + CFamilyRules() + "</language>\n";
}

}  // namespace lumaro
