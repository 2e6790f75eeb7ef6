// Compilation of a script: the grammar-driven parser makes the intermediate program, the
// program builder turns it into the script's objects.
#include "core/error.h"
#include "script/builder/program_builder.h"
#include "script/parser/il_parser.h"
#include "script/script.h"
#include "script/xml/fs_xml.h"

namespace lumaro {

bool TfsScript::Compile() {
    errorMsg_.clear();
    errorPos_.clear();
    errorUnit_.clear();
    TfsILParser parser;
    parser.SetExtendedCharset(extendedCharset_);
    parser.SelectLanguage(syntaxType_);
    if (OnGetUnit)
        parser.SetOnGetUnit([this](const std::string& unitName, std::string& unitText) {
            OnGetUnit(*this, unitName, unitText);
            return true;
        });
    const std::string text = Text();
    TfsXMLDocument il;
    ILError err;
    if (!parser.MakeIL(text, il, err)) {
        errorMsg_ = err.message;
        errorPos_ = err.pos;
        errorUnit_ = err.unit;
        return false;
    }
    // A first line "#language NAME" is not part of the program's positions' text; the builder
    // only needs the lines for the source texts of macro arguments.
    TfsProgramBuilder builder(*this, parser.NeedDeclaration(), lines_);
    try {
        builder.Build(il.Root());
    } catch (const TfsBuildError& e) {
        errorMsg_ = e.message();
        errorPos_ = e.pos();
        errorUnit_ = builder.UnitName();
    } catch (const Exception& e) {
        errorMsg_ = e.message();
        errorPos_ = builder.Pos();
        errorUnit_ = builder.UnitName();
    }
    if (errorMsg_.empty()) {
        errorPos_.clear();
        return true;
    }
    return false;
}

}  // namespace lumaro
