#pragma once
// Byte streams: templates, prepared reports and variable lists are read from and written to
// these, and scripts see them as TStream, TFileStream and TMemoryStream. Every failure raises
// EFileError (core/error.h) with a message that names the file where there is one.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/object.h"

namespace lumaro {

enum class SeekOrigin { Begin, Current, End };

class Stream : public Object {
public:
    ~Stream() override = default;

    // Reads up to `count` bytes; returns how many were read (fewer only at the end).
    virtual size_t Read(void* buffer, size_t count) = 0;
    // Writes all `count` bytes or raises.
    virtual void Write(const void* buffer, size_t count) = 0;
    // Moves the position and returns the new one; a negative result raises.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
    virtual int64_t Size() = 0;
    // Truncates or extends (with zero bytes) the stream.
    virtual void SetSize(int64_t size) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t pos) { Seek(pos, SeekOrigin::Begin); }

    // Reads exactly `count` bytes or raises "Stream read error".
    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count) { Write(buffer, count); }
    void WriteString(std::string_view s) { Write(s.data(), s.size()); }
    // Copies `count` bytes from `source`; a count of 0 copies the whole source from its start.
    // Returns the number of bytes copied.
    int64_t CopyFrom(Stream& source, int64_t count);
};

// A byte buffer in memory.
class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::string data) : data_(std::move(data)) {}

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t size) override;

    void Clear() { data_.clear(); pos_ = 0; }
    // Replaces the contents by the whole of `source` (from its start); the position becomes 0.
    void LoadFromStream(Stream& source);
    void SaveToStream(Stream& target) { target.Write(data_.data(), data_.size()); }
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    const std::string& data() const { return data_; }

private:
    std::string data_;
    size_t pos_ = 0;
};

// A file, read and written through a buffer of its own.
class FileStream : public Stream {
public:
    enum class Mode {
        Read,       // existing file, read only
        Create,     // created or truncated, read and write
        ReadWrite,  // existing file, read and write
    };
    // Raises EFileError "Cannot open file "<name>". <reason>" (or "Cannot create file ...").
    FileStream(const std::string& fileName, Mode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // A new file with a unique name that starts with `prefix` in `dir`, open for reading and
    // writing (mkstemp). The caller removes it when done.
    static std::unique_ptr<FileStream> createTemporary(const std::string& dir, std::string_view prefix);

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override;
    void SetSize(int64_t size) override;

    const std::string& FileName() const { return fileName_; }
    // Writes out buffered bytes; errors raise here (the destructor swallows them).
    void flush();
    // flush() and then asks the system to put the data on disk.
    void sync();

private:
    friend void writeFileAtomically(const std::string&, const std::function<void(Stream&)>&);
    FileStream(int fd, std::string fileName);
    [[noreturn]] void fail(const char* what) const;
    void writeRaw(const char* p, size_t n, int64_t at);

    int fd_ = -1;
    bool writable_ = true;
    std::string fileName_;
    int64_t pos_ = 0;
    std::vector<char> buf_;
    // Bytes of the file from readStart_ that are in buf_ (read cache).
    int64_t readStart_ = 0;
    size_t readLen_ = 0;
    // Bytes waiting to be written at writeStart_.
    int64_t writeStart_ = 0;
    size_t writeLen_ = 0;
};

// Writes a file so that a failure never destroys what was there: `write` fills a temporary
// file beside the target, which then replaces the target in one rename. A symbolic link is
// followed, so the file it points at is replaced. Permissions of an existing file are kept; a
// file that may not be written is refused.
void writeFileAtomically(const std::string& fileName, const std::function<void(Stream&)>& write);

}  // namespace lumaro
