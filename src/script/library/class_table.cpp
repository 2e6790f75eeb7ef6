#include "script/library/class_table.h"

#include <memory>

#include "core/error.h"
#include "core/text.h"
#include "script/library/event_adapters.h"
#include "script/library/library_function.h"

namespace lumaro {
namespace {

using HandlerMap = std::unordered_map<std::string, MemberHandler>;

// Everything a member's callbacks need: the handlers of the library, the declaring class and
// the member's name as declared (for messages).
struct Binding {
    std::shared_ptr<const HandlerMap> handlers;
    std::shared_ptr<const UnavailableMember> unavailable;
    std::shared_ptr<const std::string> declaringClass;
    std::string upperClass;
    std::string member;

    Variant call(Object* instance, TfsClassVariable* cls, std::string_view upperMember,
                 std::vector<Variant>& params) const {
        const auto it = handlers->find(upperClass + "." + std::string(upperMember));
        if (it == handlers->end()) {
            (*unavailable)(*declaringClass + "." + member);
            throw Exception(*declaringClass + "." + member + " is not available");
        }
        MemberCall c{instance, cls, *declaringClass, params};
        return it->second(c);
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

void addProperty(TfsClassVariable& cls, const std::string& className, std::string_view decl, Binding b) {
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
    b.member = name;
    if (bracket != std::string_view::npos) {
        const size_t close = head.find(']', bracket);
        if (close == std::string_view::npos) badDeclaration(className, decl);
        const std::string indexTypes(head.substr(bracket + 1, close - bracket - 1));
        TfsCallMethod cb = [b](Object* inst, TfsClassVariable* c, const std::string& m, std::vector<Variant>& p) {
            return b.call(inst, c, m, p);
        };
        if (isDefault) cls.AddDefaultProperty(name, indexTypes, typeName, cb, readOnly);
        else cls.AddIndexProperty(name, indexTypes, typeName, cb, readOnly);
        return;
    }
    const std::string upper = upperCase(name);
    TfsGetValue get = [b, upper](Object* inst, TfsClassVariable* c, const std::string&) {
        std::vector<Variant> none;
        return b.call(inst, c, upper + ".GET", none);
    };
    TfsSetValue set;
    if (!readOnly)
        set = [b, upper](Object* inst, TfsClassVariable* c, const std::string&, const Variant& v) {
            std::vector<Variant> value{v};
            b.call(inst, c, upper + ".SET", value);
        };
    cls.AddProperty(name, typeName, get, set);
}

void addMember(TfsClassVariable& cls, const std::string& className, const std::string& decl, Binding b) {
    const std::string_view kind = firstWord(decl);
    if (kind == "property") return addProperty(cls, className, decl, std::move(b));
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
    b.member = std::string(declaredName(decl));
    if (b.member.empty()) badDeclaration(className, decl);
    TfsCallMethod cb = [b](Object* inst, TfsClassVariable* c, const std::string& m, std::vector<Variant>& p) {
        return b.call(inst, c, m, p);
    };
    if (kind == "constructor") cls.AddConstructor(decl, cb);
    else cls.AddMethod(decl, cb);
}

}  // namespace

void registerClasses(TfsScript& script, std::span<const ClassRow> classes, const ClassLibrary& library) {
    auto handlers = std::make_shared<HandlerMap>();
    for (auto part : library.handlers)
        for (const MemberHandlerRow& row : part) (*handlers)[row.key] = row.handler;
    auto unavailable = std::make_shared<const UnavailableMember>(library.unavailable ? library.unavailable : raiseNoDisplay);
    for (const ClassRow& row : classes) {
        TfsIsInstance isInstance = row.isInstance ? row.isInstance : [](const Object*) { return false; };
        TfsClassVariable* cls = script.AddClass(row.name, row.ancestor, std::move(isInstance));
        if (!cls) cls = script.FindClass(row.name);
        if (!cls) throw Exception("Class " + row.name + " cannot be registered: the name is taken");
        Binding b{handlers, unavailable, std::make_shared<const std::string>(row.name), upperCase(row.name), {}};
        for (const std::string& member : row.members) addMember(*cls, row.name, member, b);
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
