#include "script/library/class_table.h"

#include <memory>

#include "core/error.h"
#include "core/text.h"
#include "script/library/event_adapters.h"
#include "script/library/library_function.h"

namespace lumaro {
namespace {

using HandlerMap = std::unordered_map<std::string, MemberHandler>;

// One member's callback: its handler, found once when the member is registered (none: the
// library's "not available" error), the declaring class and the member's declared name.
struct Binding {
    MemberHandler handler = nullptr;
    std::shared_ptr<const UnavailableMember> unavailable;
    std::shared_ptr<const std::string> declaringClass;
    std::string member;

    Variant call(Object* instance, TfsClassVariable* cls, std::vector<Variant>& params) const {
        if (!handler) {
            (*unavailable)(*declaringClass + "." + member);
            throw Exception(*declaringClass + "." + member + " is not available");
        }
        MemberCall c{instance, cls, *declaringClass, params};
        return handler(c);
    }
};

// Finds the handlers of one class's members by their upper-case keys ("ADD", "TEXT.GET").
struct HandlerLookup {
    const HandlerMap& handlers;
    std::string upperClass;
    Binding base;

    Binding bind(const std::string& member, const std::string& upperKey) const {
        Binding b = base;
        b.member = member;
        const auto it = handlers.find(upperClass + "." + upperKey);
        b.handler = it == handlers.end() ? nullptr : it->second;
        return b;
    }
};

std::string_view firstWord(std::string_view s) {
    const size_t end = s.find_first_of(" \t(:[");
    return s.substr(0, end);
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

[[noreturn]] void badDeclaration(const std::string& cls, std::string_view decl) {
    throw Exception("Malformed member declaration of " + cls + ": " + std::string(decl));
}

void addProperty(TfsClassVariable& cls, const std::string& className, std::string_view decl,
                 const HandlerLookup& lookup) {
    // property Name[IndexTypes]: Type flags
    std::string_view rest = trimmed(decl.substr(decl.find(' ') + 1));
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos) badDeclaration(className, decl);
    std::string_view head = trimmed(rest.substr(0, colon));
    std::string_view tail = trimmed(rest.substr(colon + 1));
    const std::string typeName(firstWord(tail));
    const std::string_view flags = tail.substr(typeName.size());
    const bool readOnly = flags.find("readonly") != std::string_view::npos;
    const bool isDefault = flags.find("default") != std::string_view::npos;
    const size_t bracket = head.find('[');
    const std::string name(trimmed(head.substr(0, bracket)));
    const std::string upper = upperCase(name);
    const Binding get = lookup.bind(name, upper + ".GET");
    const Binding set = lookup.bind(name, upper + ".SET");
    if (bracket != std::string_view::npos) {
        const size_t close = head.find(']', bracket);
        if (close == std::string_view::npos) badDeclaration(className, decl);
        const std::string indexTypes(head.substr(bracket + 1, close - bracket - 1));
        // The engine calls an indexed property as "NAME.GET" or "NAME.SET".
        TfsCallMethod cb = [get, set](Object* inst, TfsClassVariable* c, const std::string& m, std::vector<Variant>& p) {
            const bool isSet = m.size() >= 4 && m.compare(m.size() - 4, 4, ".SET") == 0;
            return (isSet ? set : get).call(inst, c, p);
        };
        if (isDefault) cls.AddDefaultProperty(name, indexTypes, typeName, cb, readOnly);
        else cls.AddIndexProperty(name, indexTypes, typeName, cb, readOnly);
        return;
    }
    TfsGetValue getter = [get](Object* inst, TfsClassVariable* c, const std::string&) {
        std::vector<Variant> none;
        return get.call(inst, c, none);
    };
    TfsSetValue setter;
    if (!readOnly)
        setter = [set](Object* inst, TfsClassVariable* c, const std::string&, const Variant& v) {
            std::vector<Variant> value{v};
            set.call(inst, c, value);
        };
    cls.AddProperty(name, typeName, getter, setter);
}

void addMember(TfsClassVariable& cls, const std::string& className, const std::string& decl,
               const HandlerLookup& lookup) {
    const std::string_view kind = firstWord(decl);
    if (kind == "property") return addProperty(cls, className, decl, lookup);
    if (kind == "event") {
        const size_t colon = decl.find(':');
        if (colon == std::string::npos) badDeclaration(className, decl);
        const std::string name(trimmed(std::string_view(decl).substr(6, colon - 6)));
        const std::string adapter(trimmed(std::string_view(decl).substr(colon + 1)));
        TfsEventClass eventClass = fsEventClassByName(adapter);
        if (!eventClass) throw Exception("Unknown event adapter " + adapter + " of " + className + "." + name);
        cls.AddEvent(name, std::move(eventClass));
        return;
    }
    if (kind != "constructor" && kind != "function" && kind != "procedure") badDeclaration(className, decl);
    const std::string member(declaredName(decl));
    if (member.empty()) badDeclaration(className, decl);
    const Binding b = lookup.bind(member, upperCase(member));
    TfsCallMethod cb = [b](Object* inst, TfsClassVariable* c, const std::string&, std::vector<Variant>& p) {
        return b.call(inst, c, p);
    };
    if (kind == "constructor") cls.AddConstructor(decl, cb);
    else cls.AddMethod(decl, cb);
}

}  // namespace

void registerClasses(TfsScript& script, std::span<const ClassRow> classes, const ClassLibrary& library) {
    HandlerMap handlers;
    for (auto part : library.handlers)
        for (const MemberHandlerRow& row : part) handlers[row.key] = row.handler;
    auto unavailable = std::make_shared<const UnavailableMember>(library.unavailable ? library.unavailable : raiseNoDisplay);
    for (const ClassRow& row : classes) {
        TfsIsInstance isInstance = row.isInstance ? row.isInstance : [](const Object*) { return false; };
        TfsClassVariable* cls = script.AddClass(row.name, row.ancestor, std::move(isInstance));
        if (!cls) cls = script.FindClass(row.name);
        if (!cls) throw Exception("Class " + row.name + " cannot be registered: the name is taken");
        const HandlerLookup lookup{handlers, upperCase(row.name),
                                   Binding{nullptr, unavailable, std::make_shared<const std::string>(row.name), {}}};
        for (const std::string& member : row.members) addMember(*cls, row.name, member, lookup);
    }
}

void registerEnums(TfsScript& script, std::span<const EnumRow> enums) {
    for (const EnumRow& e : enums) {
        if (e.isSet) script.AddEnumSet(e.typeName, e.members);
        else script.AddEnum(e.typeName, e.members);
    }
}

void registerConsts(TfsScript& script, std::span<const ConstRow> consts) {
    for (const ConstRow& c : consts) script.AddConst(c.name, c.typeName, c.value);
}

std::string calledClassName(const MemberCall& call) {
    if (auto* cls = dynamic_cast<TfsClassVariable*>(call.instance)) return cls->Name();
    if (!call.instance && call.cls) return call.cls->Name();  // constructors receive the named class
    return call.declaringClass;
}

Object* objectOf(const Variant& v) {
    if (v.isOrdinal() && v.rawInt() == 0) return nullptr;
    return v.toObject();
}

void raiseNoDisplay(const std::string& member) { throw Exception(member + " is not available without a display"); }

}  // namespace lumaro
