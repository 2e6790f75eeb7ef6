#pragma once
// The property registry: one table per class of the object model listing its published
// properties in declaration order (inherited properties first; a redeclared property keeps
// its inherited position), each with its type kind, declared default, stored rule, getter
// and setter. Template files, scripts, the prepared-pages writer and the object inspector
// read and change properties only through these tables.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/variant.h"

namespace lumaro {

class Object;
class TfrxPersistent;
struct ClassInfo;

enum class PropKind : uint8_t {
    Integer,
    Float,        // Extended
    String,
    Boolean,      // an enumeration of False, True
    Enumeration,
    Set,          // bit n set means element n is in the set
    Color,        // signed 32-bit colour value
    Variant,
    Reference,    // a non-owning reference to another component (data set, FlowTo, ...)
    Lines,        // a list of text lines
    Object,       // a nested property object owned by the holder (Font, Frame, ...)
    Event,        // the name of a script procedure
    Callback,     // a host callback: never stored, not reachable from scripts
};

const char* propKindName(PropKind kind);

using Lines = std::vector<std::string>;

// Element names of an enumeration or of the elements of a set type, in ordinal order.
struct EnumType {
    std::string name;
    std::vector<std::string> elements;

    // Ordinal of an element name, compared without regard to case; -1 when absent.
    int indexOf(std::string_view elementName) const;
    int count() const { return static_cast<int>(elements.size()); }
};

// No declared default: the property is always written (when its stored rule allows).
inline constexpr int64_t kNoDefault = INT64_MIN;

// No float default: a Float property is always written (when its stored rule allows).
inline constexpr double kNoFloatDefault = -1.0e308;

using StoredFn = bool (*)(const TfrxPersistent&);

struct PropInfo {
    std::string name;
    PropKind kind = PropKind::Integer;
    int index = 0;                              // position in the class's list
    const EnumType* enumType = nullptr;         // Boolean, Enumeration, Set
    const ClassInfo& (*targetClass)() = nullptr;  // Reference target, Object holder class
    int64_t defaultValue = kNoDefault;          // ordinal kinds (Integer, Boolean, Enumeration, Set, Color)
    double floatDefault = kNoFloatDefault;      // Float: written only when the value differs
    std::string stringDefault;                  // String: written only when the value differs
    StoredFn stored = nullptr;                  // null: always stored
    bool neverStored = false;                   // e.g. a component's Name, a font's Size

    // Accessors; only those of the property's kind are set. A null setter: read-only.
    int64_t (*getOrd)(const TfrxPersistent&) = nullptr;
    void (*setOrd)(TfrxPersistent&, int64_t) = nullptr;
    double (*getFloat)(const TfrxPersistent&) = nullptr;
    void (*setFloat)(TfrxPersistent&, double) = nullptr;
    std::string (*getString)(const TfrxPersistent&) = nullptr;  // String, Event
    void (*setString)(TfrxPersistent&, std::string) = nullptr;
    lumaro::Variant (*getVariant)(const TfrxPersistent&) = nullptr;
    void (*setVariant)(TfrxPersistent&, const lumaro::Variant&) = nullptr;
    lumaro::Object* (*getRef)(const TfrxPersistent&) = nullptr;
    // Raises EConvertError when the object is not of the target class.
    void (*setRef)(TfrxPersistent&, lumaro::Object*) = nullptr;
    const Lines& (*getLines)(const TfrxPersistent&) = nullptr;
    void (*setLines)(TfrxPersistent&, Lines) = nullptr;
    TfrxPersistent* (*getObject)(TfrxPersistent&) = nullptr;

    bool isOrdinal() const;
    bool hasDefault() const { return isOrdinal() ? defaultValue != kNoDefault : floatDefault != kNoFloatDefault; }
    bool readOnly() const;
    // The stored rule alone (not the default comparison).
    bool isStored(const TfrxPersistent& obj) const { return !neverStored && (!stored || stored(obj)); }
    const TfrxPersistent* nested(const TfrxPersistent& obj) const;
};

struct ClassInfo {
    std::string name;                  // "TfrxMemoView"
    const ClassInfo* parent = nullptr;
    std::string baseName;              // automatic name part: "Memo", "Page", "MasterData"
    TfrxPersistent* (*create)() = nullptr;  // null for abstract classes
    bool isComponent = false;          // derives from TfrxComponent
    std::vector<PropInfo> props;       // declaration order

    bool InheritsFrom(const ClassInfo& other) const;
    // Property by name without regard to case (ASCII); null when absent.
    const PropInfo* FindProp(std::string_view propName) const;

    // Built once by ClassBuilder: lower-case names with their index, sorted.
    std::vector<std::pair<std::string, int>> nameIndex;
    void buildIndex();
};

}  // namespace lumaro
