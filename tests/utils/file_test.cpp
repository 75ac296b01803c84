#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "temp_dir.h"
#include "zephra.h"

using namespace Zephra;
using Utils::File;

TEST(File, MissingFileThrowsWithTheNameAsPassed) {
    try {
        File file("data/does-not-exist.png", Utils::Read);
        FAIL() << "no exception";
    } catch (const Exceptions::FileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(), "File not found: data/does-not-exist.png");
    }
    // The base class catches it too, message intact.
    try {
        File file("nowhere/x", Utils::Read);
    } catch (Exceptions::Exception e) {
        EXPECT_EQ(e.getMessage(), "File not found: nowhere/x");
    }
}

TEST(File, DirectoryAndUncreatableWriteAreNotFound) {
    TempDir dir;
    EXPECT_THROW(File(dir.file(""), Utils::Read), Exceptions::FileNotFoundException);
    EXPECT_THROW(File(dir.file("no/such/dir/out.bin"), Utils::Write),
                 Exceptions::FileNotFoundException);
}

TEST(File, SizeRewindsAndClearsEndOfFile) {
    TempDir dir;
    File file(dir.write("abc.txt", "abcdef"), Utils::Read);
    char buf[8] = {};
    ASSERT_EQ(file.read(buf, 1, 8), 6);   // reads to the end, sets end-of-file
    EXPECT_EQ(file.read(buf, 1, 1), 0);   // at the end: nothing
    EXPECT_EQ(file.getSize(), 6);
    ASSERT_EQ(file.read(buf, 1, 2), 2);   // starts again at offset 0
    EXPECT_EQ(std::string(buf, 2), "ab");
}

TEST(File, ReadCountsWholeElementsAndSeekOrigins) {
    TempDir dir;
    File file(dir.write("n.bin", "0123456789"), Utils::Read);
    char buf[16] = {};
    EXPECT_EQ(file.read(buf, 4, 3), 2);  // 10 bytes hold two whole 4-byte elements
    EXPECT_EQ(file.seek(0, Utils::Begin), 0);
    ASSERT_EQ(file.read(buf, 1, 1), 1);
    EXPECT_EQ(buf[0], '0');
    EXPECT_EQ(file.seek(2, Utils::Current), 0);
    ASSERT_EQ(file.read(buf, 1, 1), 1);
    EXPECT_EQ(buf[0], '3');
    EXPECT_EQ(file.seek(-1, Utils::End), 0);
    ASSERT_EQ(file.read(buf, 1, 1), 1);
    EXPECT_EQ(buf[0], '9');
    EXPECT_NE(file.seek(-100, Utils::Begin), 0);  // failure is a return value, not a throw
}

TEST(File, WriteTruncatesAndClosingReleasesTheFile) {
    TempDir dir;
    std::string name = dir.write("out.bin", "old contents that are long");
    {
        File out(name, Utils::Write);
        EXPECT_EQ(out.write("new", 1, 3), 3);
    }  // destroyed: closed and flushed
    File in(name, Utils::Read);
    EXPECT_EQ(in.getSize(), 3);
    // Once the readers are gone, the file can be opened for writing again.
    { File again(name, Utils::Write); }
    File empty(name, Utils::Read);
    EXPECT_EQ(empty.getSize(), 0);
}

TEST(ReadText, WholeFileWithTerminatorAndEmptyFile) {
    TempDir dir;
    std::unique_ptr<char[]> text(Utils::readText(dir.write("s.cg", std::string("a\0b\n", 4))));
    EXPECT_EQ(std::memcmp(text.get(), "a\0b\n\0", 5), 0);

    std::unique_ptr<char[]> none(Utils::readText(dir.write("e.txt", "")));
    EXPECT_EQ(none[0], '\0');

    EXPECT_THROW(Utils::readText(dir.file("missing.cg")), Exceptions::FileNotFoundException);
}

TEST(ReadText, StreamReadAfterAPartialReadStartsAtZero) {
    TempDir dir;
    File file(dir.write("t.txt", "hello"), Utils::Read);
    char c;
    file.read(&c, 1, 1);
    file.read(&c, 1, 1);
    std::unique_ptr<char[]> text(Utils::readText(file));
    EXPECT_STREQ(text.get(), "hello");
}

// A stream whose content shrank after its size was taken.
class ShrinkingStream : public Utils::InputStream {
public:
    int32_t read(void* buffer, int32_t size, int32_t count) override {
        if (pos >= 3 || size != 1 || count != 1) return 0;
        static_cast<char*>(buffer)[0] = "xyz"[pos++];
        return 1;
    }
    int32_t seek(int32_t, Utils::SeekOrigin) override { return 0; }
    int32_t getSize() override { pos = 0; return 8; }

private:
    int pos = 0;
};

TEST(ReadText, BytesNotDeliveredAreZero) {
    ShrinkingStream stream;
    // Poison the heap so that uninitialised memory would show.
    for (int i = 0; i < 8; ++i) delete[] new char[9]{'Q','Q','Q','Q','Q','Q','Q','Q','Q'};
    std::unique_ptr<char[]> text(Utils::readText(stream));
    EXPECT_EQ(std::memcmp(text.get(), "xyz\0\0\0\0\0\0", 9), 0);
}
