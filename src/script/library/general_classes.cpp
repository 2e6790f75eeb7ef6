// The general classes: objects, lists, string lists, collections, streams, components and
// the script engine's XML tree, with the file-mode and seek-origin constants.
#include "core/stream.h"
#include "script/library/collection.h"
#include "script/library/component.h"
#include "script/library/enum_names.h"
#include "script/library/general_members.h"
#include "script/library/libraries.h"
#include "script/library/object_list.h"
#include "script/library/string_list.h"
#include "script/xml/fs_xml.h"

namespace lumaro {

namespace {

std::vector<ClassRow> generalClasses() {
    return {
        {"TObject", "", [](const Object* o) { return o != nullptr; },
         {"constructor Create", "procedure Free", "function ClassName: String"}},
        {"TPersistent", "TObject", instanceOf<TPersistent>(), {"procedure Assign(Source: TPersistent)"}},
        {"TCollectionItem", "TPersistent", instanceOf<TCollectionItem>(), {}},
        {"TCollection", "TPersistent", instanceOf<TCollection>(),
         {"procedure Clear", "property Count: Integer readonly",
          "property Items[Integer]: TCollectionItem default readonly"}},
        {"TList", "TObject", instanceOf<TList>(),
         {"function Add(Item: TObject): Integer", "procedure Clear", "procedure Delete(Index: Integer)",
          "function IndexOf(Item: TObject): Integer", "procedure Insert(Index: Integer; Item: TObject)",
          "function Remove(Item: TObject): Integer", "property Count: Integer readonly",
          "property Items[Integer]: TObject default"}},
        {"TStrings", "TPersistent", instanceOf<TStrings>(),
         {"function Add(const S: string): Integer", "function AddObject(const S: string; AObject: TObject): Integer",
          "procedure Clear", "procedure Delete(Index: Integer)", "procedure Insert(Index: Integer; const S: string)",
          "function IndexOf(const S: string): Integer", "function IndexOfName(const Name: string): Integer",
          "procedure LoadFromFile(const FileName: string)", "procedure SaveToFile(const FileName: string)",
          "property CommaText: String", "property Count: Integer readonly",
          "property Names[Integer]: String readonly", "property Objects[Integer]: TObject",
          "property Values[String]: String", "property Strings[Integer]: String default", "property Text: String"}},
        {"TStringList", "TStrings", instanceOf<TStringList>(),
         {"function Find(s: String; var Index: Integer): Boolean", "procedure Sort",
          "property Duplicates: TDuplicates", "property Sorted: Boolean"}},
        {"TStream", "TObject", instanceOf<Stream>(),
         {"function Read(var Buffer: string; Count: Longint): Longint",
          "function Write(Buffer: string; Count: Longint): Longint",
          "function Seek(Offset: Longint; Origin: Word): Longint",
          "function CopyFrom(Source: TStream; Count: Longint): Longint", "property Position: Longint",
          "property Size: Longint"}},
        {"TFileStream", "TStream", instanceOf<FileStream>(), {"constructor Create(Filename: String; Mode: Word)"}},
        {"TMemoryStream", "TStream", instanceOf<MemoryStream>(),
         {"procedure Clear", "procedure LoadFromFile(Filename: String)", "procedure SaveToFile(Filename: String)"}},
        {"TComponent", "TPersistent", instanceOf<TComponent>(),
         {"constructor Create(AOwner: TComponent)", "property Owner: TComponent readonly", "property Name: String",
          "property Tag: Integer"}},
        {"TfsXMLItem", "TObject", instanceOf<TfsXMLItem>(),
         {"function Add: TfsXMLItem", "function FindItem(const Name: String): TfsXMLItem",
          "function Prop(const Name: String): String", "procedure SetProp(const Name, Value: String)",
          "property Name: String", "property Parent: TfsXMLItem readonly", "property Count: Integer readonly",
          "property Items[Integer]: TfsXMLItem default readonly"}},
        {"TfsXMLDocument", "TObject", instanceOf<TfsXMLDocument>(),
         {"property Root: TfsXMLItem readonly", "procedure SaveToFile(const FileName: String)",
          "procedure LoadFromFile(const FileName: String)"}},
    };
}

const EnumRow kEnums[] = {
    {"TDuplicates", "dupIgnore, dupAccept, dupError", false},
    {"TPrinterOrientation", kPrinterOrientationNames, false},
};

const ConstRow kConsts[] = {
    {"fmCreate", "Integer", 0xFFFF},        {"fmOpenRead", "Integer", 0},
    {"fmOpenWrite", "Integer", 1},          {"fmOpenReadWrite", "Integer", 2},
    {"fmShareExclusive", "Integer", 0x10},  {"fmShareDenyWrite", "Integer", 0x20},
    {"fmShareDenyNone", "Integer", 0x40},   {"soFromBeginning", "Integer", 0},
    {"soFromCurrent", "Integer", 1},        {"soFromEnd", "Integer", 2},
};

// A member every general class implements; reaching this means the tables disagree.
void missingHandler(const std::string& member) { throw Exception(member + " has no implementation"); }

}  // namespace

void registerGeneralClasses(TfsScript& script) {
    registerConsts(script, kConsts);
    registerEnums(script, kEnums);
    const std::vector<ClassRow> classes = generalClasses();
    registerClasses(script, classes,
                    {{objectMembers(), stringListMembers(), streamMembers(), xmlMembers()}, missingHandler});
}

}  // namespace lumaro
