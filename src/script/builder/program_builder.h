#pragma once
// The program builder: turns the intermediate program of the parser (a TfsXMLDocument) into
// the objects of a TfsScript: variables, constants, procedures with their child scripts,
// statements, designators and expressions. Every name is resolved once; the first problem
// raises a TfsBuildError with the position of the element being built.
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "script/script.h"

namespace lumaro {

class TfsXMLItem;
class TfsStatement;
class TfsExpression;
class TfsDesignator;
class TfsProcVariable;
struct TfsDesignatorItem;

class TfsBuildError : public Exception {
public:
    TfsBuildError(const std::string& message, std::string pos) : Exception(message), pos_(std::move(pos)) {}
    const std::string& pos() const { return pos_; }

private:
    std::string pos_;
};

class TfsProgramBuilder {
public:
    // `needDeclaration`: false for languages whose undeclared names become Variant variables.
    // `sourceLines`: the text the program was parsed from (macro functions receive parts of it).
    TfsProgramBuilder(TfsScript& script, bool needDeclaration, std::vector<std::string> sourceLines);
    ~TfsProgramBuilder();

    // Builds a "program" element into the script. Raises TfsBuildError.
    void Build(TfsXMLItem* program);
    // The unit being built when an error was raised ("" for the main text).
    const std::string& UnitName() const { return unit_; }
    const std::string& Pos() const { return pos_; }

private:
    using ItemPtr = std::unique_ptr<TfsCustomVariable>;
    struct WithEntry {
        TfsCustomVariable* hidden;
    };
    // One "node" of a "dsgn" element with the "expr" elements of its arguments.
    struct RawNode {
        std::string text;
        std::string pos;
        std::vector<TfsXMLItem*> args;
    };

    [[noreturn]] void fail(const std::string& message) const;
    void setPos(const TfsXMLItem* element);
    int line() const;

    // Declarations
    void predeclare(TfsXMLItem* container);
    TfsProcVariable* declareProc(TfsXMLItem* element);
    void buildProcBody(TfsXMLItem* element);
    void buildVar(TfsXMLItem* element, TfsStatement& block);
    void buildConst(TfsXMLItem* element);
    void buildUses(TfsXMLItem* element, TfsStatement& block);
    bool resolveTypeName(const std::string& name, TfsVarType& kind, std::string& typeName) const;
    TfsCustomVariable* createVariable(const std::string& name, TfsXMLItem* type, TfsXMLItem* array);

    // Statements
    void buildElements(TfsXMLItem* container, TfsStatement& block, int from = 0);
    void buildElement(TfsXMLItem* element, TfsStatement& block);
    void buildBlock(TfsXMLItem* element, TfsStatement& block);
    void buildConstElement(TfsXMLItem* element, TfsStatement& block);
    void buildProcElement(TfsXMLItem* element, TfsStatement& block);
    void buildFlag(TfsXMLItem* element, TfsStatement& block);
    void buildAssign(TfsXMLItem* element, TfsStatement& block);
    void buildCall(TfsXMLItem* element, TfsStatement& block);
    void buildIf(TfsXMLItem* element, TfsStatement& block);
    void buildCase(TfsXMLItem* element, TfsStatement& block);
    void buildLoop(TfsXMLItem* element, TfsStatement& block);
    void buildFor(TfsXMLItem* element, TfsStatement& block);
    void buildVbFor(TfsXMLItem* element, TfsStatement& block);
    TfsCustomVariable* loopVariable(TfsXMLItem* ident);
    void buildCppFor(TfsXMLItem* element, TfsStatement& block);
    void buildTry(TfsXMLItem* element, TfsStatement& block);
    void buildWith(TfsXMLItem* element, TfsStatement& block);
    void buildReturn(TfsXMLItem* element, TfsStatement& block);
    void buildDelete(TfsXMLItem* element, TfsStatement& block);
    TfsStatement* addStatement(TfsStatement& block, std::unique_ptr<TfsStatement> statement);
    void checkAssignment(TfsCustomVariable* target, TfsCustomVariable* value);

    // Expressions and designators
    std::unique_ptr<TfsExpression> buildExpression(TfsXMLItem* expr);
    void addToExpression(TfsExpression& e, TfsXMLItem* expr);
    ItemPtr buildDesignator(TfsXMLItem* dsgn);
    ItemPtr buildNew(TfsXMLItem* element);
    TfsCustomVariable* lookup(const std::string& name, std::vector<TfsDesignatorItem>& steps);
    void resolveFirst(TfsDesignatorItem& step, TfsCustomVariable* item, const RawNode& node);
    void resolveNext(std::vector<TfsDesignatorItem>& steps, const RawNode& node);
    void buildArgs(TfsDesignatorItem& step, const std::vector<TfsXMLItem*>& exprs);
    ItemPtr finishDesignator(std::vector<TfsDesignatorItem>& steps);
    std::string sourceText(const TfsXMLItem* expr) const;

    TfsScript* script_;  // the script being filled (the main script or a procedure's)
    TfsScript* main_;
    bool needDeclaration_;
    std::vector<std::string> sourceLines_;
    std::string pos_;
    std::string unit_;
    TfsXMLItem* types_ = nullptr;  // the language's type aliases
    std::vector<WithEntry> withs_;
    int hiddenCount_ = 0;
};

}  // namespace lumaro
