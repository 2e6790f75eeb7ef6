#include "core/stream.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/error.h"
#include "support/temp_dir.h"

namespace lumaro {
namespace {

namespace fs = std::filesystem;

class StreamFiles : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return tmp_.file(name); }
    static std::string slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    ::lumaro::testing::TempDir tmp_{"stream"};
    const fs::path& dir_ = tmp_.path();
};

TEST(MemoryStreamTest, ReadWriteSeekAndSize) {
    MemoryStream m;
    m.WriteString("hello world");
    EXPECT_EQ(m.Position(), 11);
    m.SetPosition(6);
    m.WriteString("there!");
    EXPECT_EQ(m.data(), "hello there!");
    m.Seek(-6, SeekOrigin::End);
    char buf[16] = {};
    EXPECT_EQ(m.Read(buf, sizeof buf), 6u);
    EXPECT_EQ(std::string(buf, 6), "there!");
    EXPECT_EQ(m.Read(buf, 1), 0u);
    m.SetPosition(20);  // beyond the end: a write fills the gap with zero bytes
    m.WriteString("x");
    EXPECT_EQ(m.Size(), 21);
    EXPECT_EQ(m.data()[15], '\0');
    EXPECT_THROW(m.Seek(-1, SeekOrigin::Begin), EFileError);
    m.SetPosition(0);
    EXPECT_THROW(m.ReadBuffer(buf, 22), EFileError);
}

TEST_F(StreamFiles, OpeningAMissingFileNamesIt) {
    const std::string name = path("missing.fr3");
    try {
        FileStream f(name, FileStream::Mode::Read);
        FAIL() << "no exception";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + name + "\""), std::string::npos) << e.what();
    }
    EXPECT_THROW(FileStream(dir_.string(), FileStream::Mode::Read), EFileError);  // a directory
    EXPECT_THROW(FileStream(path("no/such/dir.fr3"), FileStream::Mode::Create), EFileError);
}

// Mixed buffered reads, writes and seeks behave as on an unbuffered file.
TEST_F(StreamFiles, BufferedAccessMatchesPlainFile) {
    const std::string name = path("data.bin");
    std::string expected;
    {
        FileStream f(name, FileStream::Mode::Create);
        for (int i = 0; i < 30000; ++i) {
            const std::string piece = std::to_string(i) + ",";
            f.WriteString(piece);
            expected += piece;
        }
        std::string big(200000, 'z');  // larger than the buffer: written directly
        f.WriteString(big);
        expected += big;
        f.SetPosition(3);
        f.WriteString("AB");
        expected.replace(3, 2, "AB");
        EXPECT_EQ(f.Size(), static_cast<int64_t>(expected.size()));
        f.SetPosition(0);
        std::string back(10, '\0');
        f.ReadBuffer(back.data(), back.size());
        EXPECT_EQ(back, expected.substr(0, 10));
        f.WriteString("CD");  // write after read at the read position
        expected.replace(10, 2, "CD");
        f.SetPosition(8);
        f.ReadBuffer(back.data(), 6);
        EXPECT_EQ(back.substr(0, 6), expected.substr(8, 6));
    }
    EXPECT_EQ(slurp(name), expected);

    FileStream r(name, FileStream::Mode::Read);
    std::string all(expected.size(), '\0');
    size_t got = 0;
    for (size_t chunk : {1u, 7u, 100000u, 5u, 300000u}) got += r.Read(all.data() + got, std::min(chunk, all.size() - got));
    EXPECT_EQ(got, expected.size());
    EXPECT_EQ(all, expected);
    EXPECT_THROW(r.WriteString("x"), EFileError);  // opened read-only
}

TEST_F(StreamFiles, TemporaryFileHasPrefixAndIsUnique) {
    auto a = FileStream::createTemporary(dir_.string(), "fr");
    auto b = FileStream::createTemporary(dir_.string(), "fr");
    EXPECT_NE(a->FileName(), b->FileName());
    EXPECT_EQ(fs::path(a->FileName()).parent_path(), dir_);
    EXPECT_EQ(fs::path(a->FileName()).filename().string().substr(0, 2), "fr");
    a->WriteString("abc");
    a->SetPosition(1);
    char c = 0;
    a->ReadBuffer(&c, 1);
    EXPECT_EQ(c, 'b');
}

TEST_F(StreamFiles, AtomicWriteKeepsOldFileOnFailure) {
    const std::string name = path("list.fd3");
    writeFileAtomically(name, [](Stream& s) { s.WriteString("old"); });
    ::chmod(name.c_str(), 0640);
    EXPECT_THROW(writeFileAtomically(name,
                                     [](Stream& s) {
                                         s.WriteString("partial");
                                         throw EFileError("disk full");
                                     }),
                 EFileError);
    EXPECT_EQ(slurp(name), "old");
    writeFileAtomically(name, [](Stream& s) { s.WriteString("new"); });
    EXPECT_EQ(slurp(name), "new");
    struct stat st {};
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Only the target remains: no temporary files are left behind.
    EXPECT_EQ(tmp_.count(), 1u);
    // A link is followed: the linked file is replaced, the link stays.
    fs::create_symlink(name, path("link.fd3"));
    writeFileAtomically(path("link.fd3"), [](Stream& s) { s.WriteString("via link"); });
    EXPECT_TRUE(fs::is_symlink(path("link.fd3")));
    EXPECT_EQ(slurp(name), "via link");
    EXPECT_THROW(writeFileAtomically(path("no/such/x.fd3"), [](Stream&) {}), EFileError);
    if (::geteuid() != 0) {  // root may write anything
        ::chmod(name.c_str(), 0440);
        EXPECT_THROW(writeFileAtomically(name, [](Stream& s) { s.WriteString("x"); }), EFileError);
        EXPECT_EQ(slurp(name), "via link");
    }
}

}  // namespace
}  // namespace lumaro
