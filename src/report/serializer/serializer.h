#pragma once
// Template form of objects: each component is an XML element named after its class whose
// attribute text holds Name and the stored properties of the property registry, in table
// order; children are nested elements. Reading applies attribute texts through the same
// tables, creates children by class name, and resolves references at the end.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/registry/class_info.h"
#include "report/registry/weak_ref.h"

namespace lumaro {

class Stream;
class TfrxComponent;
class TfrxPersistent;
class TfrxXMLDocument;
class TfrxXMLItem;
class TypedReader;

// ---- writing ----

// Appends ` Prefix.Name="value"` for every stored property of `obj` (nested property objects
// with their name and a point as prefix), then the PropData attribute when the object has
// extra data. With `saveDefaults` values equal to their declared defaults are written too.
void writeAttributes(std::string& out, const TfrxPersistent& obj, bool saveDefaults, std::string_view prefix = {});
// One property as ` Prefix.name="value"`, also when it is at its default; `name` is the
// attribute name to write it under (prepared pages write Left as "l", ...).
void writePropertyAttribute(std::string& out, const TfrxPersistent& obj, const PropInfo& prop, std::string_view name,
                            std::string_view prefix = {});
// The extra data of `obj` as ` PrefixPropData="hex"`, also when it holds nothing.
void writePropDataAttribute(std::string& out, const TfrxPersistent& obj, std::string_view prefix = {});
// A float as attributes hold it: the platform's float-to-text conversion (whole numbers as
// their digits).
std::string floatAttributeText(double v);
// A float attribute value written with either decimal separator (spaces ignored); raises
// EConvertError "'x' is not a valid floating point value".
double floatAttributeValue(std::string_view value);
// The attribute text of a collection item (each attribute preceded by a space).
std::string attributeText(const TfrxPersistent& obj, bool saveDefaults = false);
// Fills `item` with the element of `c`: tag = class name, Name="..." and the attributes; the
// children as nested elements when `saveChildren`.
void componentToXML(const TfrxComponent& c, TfrxXMLItem& item, bool saveChildren, bool saveDefaults);
// The same with Name="" for `c` itself (a saved root, the source of Assign).
void componentToXMLBlankName(const TfrxComponent& c, TfrxXMLItem& item, bool saveChildren, bool saveDefaults);
// The whole document (header and indented elements, CR LF) of `c`, whose own name is written
// as Name="".
void saveComponent(const TfrxComponent& c, Stream& stream, bool saveChildren, bool saveDefaults);

// ---- reading ----

// Applies attribute texts and element trees to objects, collecting errors and pending
// references, which resolve() sets at the end.
class ObjectReader {
public:
    // `scope`: the component whose objects references are looked up in.
    explicit ObjectReader(TfrxComponent* scope) : scope_(scope) {}

    // Applies every name/value pair of an attribute text; an error in one pair is collected
    // and the others are still applied.
    void applyAttributeText(TfrxPersistent& obj, std::string_view text);
    // One pair: `name` lower-cased as the attribute scanner gives it, `value` still escaped.
    void applyPair(TfrxPersistent& obj, std::string_view name, std::string_view value);
    // Decodes hexadecimal PropData and reads its entries into `obj` until the data is used
    // up or an entry fails.
    void readPropData(TfrxPersistent& obj, std::string_view hex);

    // Applies the element's attributes to `c` and creates its children (and theirs) from the
    // child elements. Unregistered classes are reported and skipped with their subtree.
    void readElement(TfrxComponent& c, const TfrxXMLItem& item);
    // Marks `c` as being read, for a caller that applies its attribute texts and creates its
    // children itself; finish() ends the reading of it like that of readElement's objects.
    void beginComponent(TfrxComponent& c);
    // Sets the pending references, clears the loading marks and calls Loaded() on every
    // object read (but not on a report).
    void finish();

    void addError(std::string message) { errors_.push_back(std::move(message)); }
    std::vector<std::string>& errors() { return errors_; }

private:
    struct Pending {
        WeakRef<TfrxPersistent> object;
        const PropInfo* prop;
        std::string name;
    };
    void applyValue(TfrxPersistent& obj, const PropInfo& prop, std::string_view value);
    void readChildren(TfrxComponent& parent, const TfrxXMLItem& item);
    void resolveReferences();

    TfrxComponent* scope_;
    std::vector<std::string> errors_;
    std::vector<Pending> pending_;
    std::vector<WeakRef<TfrxComponent>> read_;
};

// Reads a typed-stream list of items (each a list of attribute-text strings): `clear` runs
// once the list starts, `addItem` once per string (as UTF-8: a string that is not valid UTF-8
// is read as Windows-1250). A component-stream collection (code 14) and
// any faulty value return false.
bool readItemList(TypedReader& reader, const std::function<void()>& clear,
                  const std::function<void(const std::string& text)>& addItem);

// Reads a template document into `c`: keeps its name, destroys its children, applies the root
// element to it, creates the children, resolves references. Errors go to the Errors of
// c.Report() (when there is one). Structural faults raise EFormatError "Invalid file format".
void loadComponent(TfrxComponent& c, Stream& stream);
// The same from a document already read.
void loadComponentFromXML(TfrxComponent& c, const TfrxXMLItem& root);
// Copies the stored properties (all of them, defaults included) and optionally the children
// of `source` into `target`, which first loses its own children.
void assignComponent(TfrxComponent& target, const TfrxComponent& source, bool withChildren);

}  // namespace lumaro
