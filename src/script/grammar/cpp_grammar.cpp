// Grammar of C++Script: C-style declarations and statements around the shared C-family
// expression and statement rules.
#include "script/grammar/language_registry.h"

namespace lumaro {

std::string CppScriptGrammar() {
    return std::string(R"XML(<?xml version="1.0"?>
<language text="C++Script">
<parser>
  <commentline1 text="//"/>
  <commentblock1 text="/*,*/"/>
  <commentblock2 text="/*,*/"/>
  <stringquotes text="&#34;"/>
  <hexsequence text="0x"/>
  <declarevars text="1"/>
  <keywords>
    <break/><case/><continue/><define/><default/><delete/><do/><else/><except/><finally/>
    <for/><in/><is/><if/><new/><return/><switch/><try/><while/>
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
    <err13 text="'DEFINE' expected"/>
    <err14 text="'WHILE' expected"/>
    <err17 text="'FINALLY' or 'EXCEPT' expected"/>
    <err18 text="'[' expected"/>
    <err19 text="'..' expected"/>
    <err20 text="'&#62;' expected"/>
  </errors>
</parser>
<types>
  <int type="integer"/>
  <long type="integer"/>
  <void type="integer"/>
  <bool type="boolean"/>
  <float type="extended"/>
</types>
<empty/>
<program>
  <optionalloop><usesclause/></optionalloop>
  <optionalloop><declsection/></optionalloop>
  <compoundstmt err="err10"/>
</program>
<usesclause node="uses">
  <char text="#"/>
  <keyword text="INCLUDE"/>
  <loop text=","><string add="file" err="err1"/></loop>
</usesclause>
<declsection>
  <switch><constsection/><functiondecl/><varsection/></switch>
</declsection>
<constsection node="const">
  <char text="#"/>
  <keyword text="DEFINE" err="err13"/>
  <ident add="ident" err="err1"/>
  <expression err="err2"/>
</constsection>
<varsection>
  <vardecl/>
  <char text=";" err="err5"/>
</varsection>
<vardecl node="var">
  <ident add="type"/>
  <loop text=",">
    <ident add="ident"/>
    <optional><array/></optional>
    <optional><initvalue/></optional>
  </loop>
</vardecl>
<functiondecl node="function">
  <ident add="type"/>
  <ident add="name"/>
  <formalparameters/>
  <compoundstmt err="err10"/>
</functiondecl>
<formalparam node="var">
  <ident add="type"/>
  <optional><char text="&#38;" add="varparam"/></optional>
  <ident add="ident" err="err1"/>
  <optional><initvalue/></optional>
</formalparam>
<statement>
  <switch>
    <compoundstmt/>
    <ifstmt/>
    <switchstmt/>
    <whilestmt/>
    <dostmt/>
    <forstmt/>
    <trystmt/>
    <char text=";" node="empty"/>
    <sequence><simplestatement/><char text=";" err="err5"/></sequence>
  </switch>
</statement>
<dostmt node="repeatstmt">
  <keyword text="DO"/>
  <statement err="err3"/>
  <optional><char text=";"/></optional>
  <keyword text="WHILE" add="inverse" err="err14"/>
  <char text="(" err="err12"/>
  <expression err="err2"/>
  <char text=")" err="err7"/>
  <char text=";" err="err5"/>
</dostmt>
)XML") + CFamilyRules() + "</language>\n";
}

}  // namespace lumaro
