#pragma once
// Root of every class whose published properties are described in the property registry:
// report components and the property objects they hold (font, frame, option groups...).
// The registry entry of a class is reached through classInfo(); the template serializer,
// the script engine and the object inspector use nothing else to read or change properties.
#include <string>
#include <string_view>

#include "core/object.h"

namespace lumaro {

struct ClassInfo;
class TypedWriter;
class TypedReader;
class ObjectReader;
class WeakRefBase;

class TfrxPersistent : public Object {
public:
    TfrxPersistent() = default;
    TfrxPersistent(const TfrxPersistent&) = delete;
    TfrxPersistent& operator=(const TfrxPersistent&) = delete;
    // Clears every WeakRef that points here.
    ~TfrxPersistent() override;

    static const ClassInfo& staticClassInfo();
    virtual const ClassInfo& classInfo() const { return staticClassInfo(); }

    const std::string& ClassName() const;
    bool InheritsFrom(const ClassInfo& cls) const;

    // Extra stored data, written after the published properties as a "PropData" attribute:
    // named entries in the typed stream encoding.
    virtual bool hasPropData() const { return false; }
    virtual void writePropData(TypedWriter& writer) const;
    // Reads one named entry. Returns false for an unknown entry or a faulty value; reading
    // of the remaining entries then stops.
    virtual bool readPropEntry(std::string_view name, TypedReader& reader, ObjectReader& context);

protected:
    // Clears every WeakRef that points here; a class whose destructor runs code that may meet
    // such references (children of a component) calls it first.
    void clearWeakRefs();

private:
    friend class WeakRefBase;
    WeakRefBase* weakRefs_ = nullptr;  // intrusive list of the WeakRefs pointing here
};

}  // namespace lumaro

// Declares the registry entry of a class derived from TfrxPersistent. Put it first in the
// class body; it leaves the access at public.
#define LUMARO_CLASS_INFO                                                          \
public:                                                                            \
    static const ::lumaro::ClassInfo& staticClassInfo();                           \
    const ::lumaro::ClassInfo& classInfo() const override { return staticClassInfo(); }
