#include "core/stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/error.h"

namespace lumaro {

namespace {

constexpr size_t kFileBufferSize = 64 * 1024;

std::string fileError(const char* what, const std::string& fileName, int err) {
    return std::string(what) + " file \"" + fileName + "\". " + std::strerror(err);
}

[[noreturn]] void seekError() { throw EFileError("Stream seek error"); }

// Creates a unique file "<dir>/<prefix>XXXXXX"; returns its descriptor or -1 (errno set).
int openTemporary(const std::string& dir, std::string_view prefix, std::string& path) {
    path = dir;
    if (path.empty()) {
        std::error_code ec;
        path = std::filesystem::temp_directory_path(ec).string();
        if (ec || path.empty()) path = "/tmp";
    }
    if (path.empty() || path.back() != '/') path += '/';
    path.append(prefix);
    path += "XXXXXX";
    return ::mkostemp(path.data(), O_CLOEXEC);
}

}  // namespace

// ---- Stream ----

void Stream::ReadBuffer(void* buffer, size_t count) {
    if (Read(buffer, count) != count) throw EFileError("Stream read error");
}

int64_t Stream::CopyFrom(Stream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<char> buf(static_cast<size_t>(std::min<int64_t>(count, kFileBufferSize)));
    int64_t left = count;
    while (left > 0) {
        const size_t n = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(buf.size())));
        source.ReadBuffer(buf.data(), n);
        Write(buf.data(), n);
        left -= static_cast<int64_t>(n);
    }
    return count;
}

// ---- MemoryStream ----

size_t MemoryStream::Read(void* buffer, size_t count) {
    if (pos_ >= data_.size()) return 0;
    const size_t n = std::min(count, data_.size() - pos_);
    std::memcpy(buffer, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

void MemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0) return;
    if (pos_ == data_.size()) {
        data_.append(static_cast<const char*>(buffer), count);
    } else {
        if (pos_ + count > data_.size()) data_.resize(pos_ + count);
        std::memcpy(data_.data() + pos_, buffer, count);
    }
    pos_ += count;
}

int64_t MemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    const int64_t base = origin == SeekOrigin::Begin ? 0
                         : origin == SeekOrigin::Current ? static_cast<int64_t>(pos_)
                                                         : static_cast<int64_t>(data_.size());
    const int64_t p = base + offset;
    if (p < 0) seekError();
    pos_ = static_cast<size_t>(p);
    return p;
}

void MemoryStream::SetSize(int64_t size) {
    if (size < 0) seekError();
    data_.resize(static_cast<size_t>(size));
    pos_ = std::min(pos_, data_.size());
}

void MemoryStream::LoadFromStream(Stream& source) {
    source.SetPosition(0);
    const int64_t size = source.Size();
    std::string data(static_cast<size_t>(size), '\0');
    source.ReadBuffer(data.data(), data.size());
    data_ = std::move(data);
    pos_ = 0;
}

void MemoryStream::LoadFromFile(const std::string& fileName) {
    FileStream f(fileName, FileStream::Mode::Read);
    LoadFromStream(f);
}

void MemoryStream::SaveToFile(const std::string& fileName) {
    FileStream f(fileName, FileStream::Mode::Create);
    SaveToStream(f);
    f.flush();
}

// ---- FileStream ----

FileStream::FileStream(const std::string& fileName, Mode mode) : fileName_(fileName) {
    const int flags = mode == Mode::Read     ? O_RDONLY
                      : mode == Mode::Create ? O_RDWR | O_CREAT | O_TRUNC
                                             : O_RDWR;
    writable_ = mode != Mode::Read;
    fd_ = ::open(fileName.c_str(), flags | O_CLOEXEC, 0666);
    const char* what = mode == Mode::Create ? "Cannot create" : "Cannot open";
    if (fd_ < 0) throw EFileError(fileError(what, fileName, errno));
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw EFileError(fileError(what, fileName, EISDIR));
    }
}

FileStream::FileStream(int fd, std::string fileName) : fd_(fd), fileName_(std::move(fileName)) {}

FileStream::~FileStream() {
    try {
        flush();
    } catch (const Exception&) {
        // Nothing can be reported from here; callers that care call flush() first.
    }
    if (fd_ >= 0) ::close(fd_);
}

std::unique_ptr<FileStream> FileStream::createTemporary(const std::string& dir, std::string_view prefix) {
    std::string path;
    const int fd = openTemporary(dir, prefix, path);
    if (fd < 0) throw EFileError(fileError("Cannot create", path, errno));
    return std::unique_ptr<FileStream>(new FileStream(fd, std::move(path)));
}

void FileStream::fail(const char* what) const { throw EFileError(fileError(what, fileName_, errno)); }

void FileStream::writeRaw(const char* p, size_t n, int64_t at) {
    while (n > 0) {
        const ssize_t w = ::pwrite(fd_, p, n, at);
        if (w < 0) {
            if (errno == EINTR) continue;
            fail("Cannot write");
        }
        p += w;
        n -= static_cast<size_t>(w);
        at += w;
    }
}

void FileStream::flush() {
    if (writeLen_ == 0) return;
    const size_t n = writeLen_;
    writeLen_ = 0;
    writeRaw(buf_.data(), n, writeStart_);
}

void FileStream::sync() {
    flush();
    if (::fsync(fd_) != 0) fail("Cannot write");
}

size_t FileStream::Read(void* buffer, size_t count) {
    flush();
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        if (pos_ >= readStart_ && pos_ < readStart_ + static_cast<int64_t>(readLen_)) {
            const size_t off = static_cast<size_t>(pos_ - readStart_);
            const size_t n = std::min(count - done, readLen_ - off);
            std::memcpy(out + done, buf_.data() + off, n);
            done += n;
            pos_ += static_cast<int64_t>(n);
            continue;
        }
        const size_t want = count - done;
        const bool direct = want >= kFileBufferSize;
        if (!direct && buf_.empty()) buf_.resize(kFileBufferSize);
        char* dst = direct ? out + done : buf_.data();
        const size_t cap = direct ? want : buf_.size();
        ssize_t r;
        do {
            r = ::pread(fd_, dst, cap, pos_);
        } while (r < 0 && errno == EINTR);
        if (r < 0) fail("Cannot read");
        if (r == 0) break;
        if (direct) {
            done += static_cast<size_t>(r);
            pos_ += r;
        } else {
            readStart_ = pos_;
            readLen_ = static_cast<size_t>(r);
        }
    }
    return done;
}

void FileStream::Write(const void* buffer, size_t count) {
    if (count == 0) return;
    if (!writable_) throw EFileError(fileError("Cannot write", fileName_, EBADF));
    readLen_ = 0;
    const auto* p = static_cast<const char*>(buffer);
    if (writeLen_ > 0 && pos_ != writeStart_ + static_cast<int64_t>(writeLen_)) flush();
    if (writeLen_ + count > kFileBufferSize) {
        flush();
        if (count >= kFileBufferSize) {
            writeRaw(p, count, pos_);
            pos_ += static_cast<int64_t>(count);
            return;
        }
    }
    if (buf_.empty()) buf_.resize(kFileBufferSize);
    if (writeLen_ == 0) writeStart_ = pos_;
    std::memcpy(buf_.data() + writeLen_, p, count);
    writeLen_ += count;
    pos_ += static_cast<int64_t>(count);
}

int64_t FileStream::Seek(int64_t offset, SeekOrigin origin) {
    const int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? pos_ : Size();
    const int64_t p = base + offset;
    if (p < 0) seekError();
    pos_ = p;
    return p;
}

int64_t FileStream::Size() {
    flush();
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fail("Cannot read");
    return static_cast<int64_t>(st.st_size);
}

void FileStream::SetSize(int64_t size) {
    if (size < 0) seekError();
    flush();
    readLen_ = 0;
    if (::ftruncate(fd_, size) != 0) fail("Cannot write");
}

// ---- atomic replacement ----

void writeFileAtomically(const std::string& fileName, const std::function<void(Stream&)>& write) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(fileName);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    std::string dir = target.parent_path().string();
    if (dir.empty()) dir = ".";

    mode_t mode;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        // A file we may not write stays as it is, as it would when written in place.
        if (::access(target.c_str(), W_OK) != 0) throw EFileError(fileError("Cannot create", fileName, errno));
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    std::string tmpName;
    const int fd = openTemporary(dir, "." + target.filename().string() + ".", tmpName);
    if (fd < 0) throw EFileError(fileError("Cannot create", fileName, errno));
    std::unique_ptr<FileStream> tmp(new FileStream(fd, tmpName));
    try {
        write(*tmp);
        tmp->sync();
        tmp.reset();
        if (::chmod(tmpName.c_str(), mode) != 0 || ::rename(tmpName.c_str(), target.c_str()) != 0)
            throw EFileError(fileError("Cannot create", fileName, errno));
    } catch (...) {
        tmp.reset();
        ::unlink(tmpName.c_str());
        throw;
    }
}

}  // namespace lumaro
