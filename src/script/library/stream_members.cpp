// Members of TStream, TFileStream and TMemoryStream over the core streams. Buffers are
// strings of bytes.
#include <algorithm>

#include "core/stream.h"
#include "core/text.h"
#include "script/library/general_members.h"
#include "script/library/library_function.h"
#include "script/library/script_objects.h"

namespace lumaro {
namespace {

const Variant& p(MemberCall& c, size_t i) { return arg(c.params, i); }
Stream& stream(MemberCall& c, const char* member) { return self<Stream>(c, member); }
MemoryStream& memory(MemberCall& c, const char* member) { return self<MemoryStream>(c, member); }

// fmCreate ($FFFF) creates the file; the access bits 0 (fmOpenRead) read it, 1 and 2 read
// and write it. Sharing flags have no meaning here.
Variant createFileStream(MemberCall& c) {
    const int mode = p(c, 1).toInt();
    const FileStream::Mode m = mode == 0xFFFF ? FileStream::Mode::Create
                               : (mode & 3) == 0 ? FileStream::Mode::Read
                                                 : FileStream::Mode::ReadWrite;
    return Variant(ScriptObjects::instance().adopt(std::make_unique<FileStream>(p(c, 0).toString(), m)));
}

// Reads at most what is left of the stream, so a large count cannot exhaust memory.
Variant read(MemberCall& c) {
    Stream& s = stream(c, "Read");
    const int64_t left = std::max<int64_t>(0, s.Size() - s.Position());
    std::string buffer(static_cast<size_t>(std::clamp<int64_t>(p(c, 1).toInt(), 0, left)), '\0');
    buffer.resize(s.Read(buffer.data(), buffer.size()));
    const int n = static_cast<int>(buffer.size());
    refArg(c.params, 0) = std::move(buffer);
    return n;
}

// Writes at most the bytes the buffer holds.
Variant write(MemberCall& c) {
    const std::string buffer = p(c, 0).toString();
    const size_t n = static_cast<size_t>(std::clamp<int64_t>(p(c, 1).toInt(), 0, static_cast<int64_t>(buffer.size())));
    stream(c, "Write").Write(buffer.data(), n);
    return static_cast<int>(n);
}

Variant seek(MemberCall& c) {
    const int origin = p(c, 1).toInt();
    if (origin < 0 || origin > 2) throw Exception("TStream.Seek: " + std::to_string(origin) + " is not a seek origin");
    return static_cast<int>(stream(c, "Seek").Seek(p(c, 0).toInt(), static_cast<SeekOrigin>(origin)));
}

Variant copyFrom(MemberCall& c) {
    auto* source = dynamic_cast<Stream*>(objectOf(p(c, 0)));
    if (!source) throw Exception("TStream.CopyFrom: the source is not a stream");
    return static_cast<int>(stream(c, "CopyFrom").CopyFrom(*source, p(c, 1).toInt()));
}

const MemberHandlerRow kRows[] = {
    {"TSTREAM.READ", read},
    {"TSTREAM.WRITE", write},
    {"TSTREAM.SEEK", seek},
    {"TSTREAM.COPYFROM", copyFrom},
    {"TSTREAM.POSITION.GET", [](MemberCall& c) { return Variant(static_cast<int>(stream(c, "Position").Position())); }},
    {"TSTREAM.POSITION.SET",
     [](MemberCall& c) { stream(c, "Position").SetPosition(p(c, 0).toInt()); return Variant(); }},
    {"TSTREAM.SIZE.GET", [](MemberCall& c) { return Variant(static_cast<int>(stream(c, "Size").Size())); }},
    {"TSTREAM.SIZE.SET", [](MemberCall& c) { stream(c, "Size").SetSize(p(c, 0).toInt()); return Variant(); }},
    {"TFILESTREAM.CREATE", createFileStream},
    {"TMEMORYSTREAM.CLEAR", [](MemberCall& c) { memory(c, "Clear").Clear(); return Variant(); }},
    {"TMEMORYSTREAM.LOADFROMFILE",
     [](MemberCall& c) { memory(c, "LoadFromFile").LoadFromFile(p(c, 0).toString()); return Variant(); }},
    {"TMEMORYSTREAM.SAVETOFILE",
     [](MemberCall& c) { memory(c, "SaveToFile").SaveToFile(p(c, 0).toString()); return Variant(); }},
};

}  // namespace

std::span<const MemberHandlerRow> streamMembers() { return kRows; }

}  // namespace lumaro
