#pragma once
// The attributes in which a printed object differs from its source object, read from the
// property registry of both objects: geometry and the base attributes of every object, the
// font while the object has its own, the view, frame and text-object settings, a text
// object's text (always), a shape's kind and a picture. Objects of other view classes are
// written whole instead, and subreports are not written at all.
#include <string>
#include <unordered_map>
#include <vector>

namespace lumaro {

class TfrxComponent;
struct ClassInfo;
struct PropInfo;

// How an object printed on a page is written.
enum class PrintedForm {
    Differences,  // its differences from its source object
    Whole,        // all its stored properties (views of classes without a difference list)
    Skipped,      // not written; its objects go to its parent (subreports, cross-tabs)
};
PrintedForm printedFormOf(const TfrxComponent& obj);
// Cross-tab objects are neither written nor kept in source pages.
bool isCrossTabObject(const TfrxComponent& obj);

class DifferenceWriter {
public:
    // Appends ` name="value"` for every attribute of `printed` that differs from `source`, an
    // object of the same class. A pass that is not the final one writes only geometry, the
    // base attributes and the font.
    void write(std::string& out, const TfrxComponent& printed, const TfrxComponent& source, bool finalPass);
    // printedFormOf, found once per class.
    PrintedForm formOf(const TfrxComponent& obj) { return planFor(obj).form; }

private:
    enum class Group { Base, Font, View, Memo, Shape };
    struct Attribute {
        const char* name;
        const PropInfo* holder;  // the nested object holding the property (Font, Frame, ...), or null
        const PropInfo* prop;
        Group group;
    };
    struct Plan {
        PrintedForm form = PrintedForm::Differences;
        std::vector<Attribute> attributes;
        bool band = false;
        bool view = false;
        bool memo = false;
        bool picture = false;
    };
    const Plan& planFor(const TfrxComponent& obj);

    std::unordered_map<const ClassInfo*, Plan> plans_;
};

}  // namespace lumaro
