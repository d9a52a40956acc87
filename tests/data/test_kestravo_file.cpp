#include "data/data_error.h"
#include "data/data_fields.h"
#include "data/kestravo_file.h"

#include "temp_dir.h"

#include "table_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace monit12 {
namespace {

using test::PrintTo;

using test::TempDir;
using namespace std::string_literals;

std::vector<std::string> readLines(const std::string &path, std::size_t count)
{
    KestravoFile file(path);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(file.readLine());
    file.close();
    return lines;
}

struct LineCase
{
    const char *name;
    std::string bytes;
    std::vector<std::string> lines; // what the first reads give
};

class LineSplitting : public testing::TestWithParam<LineCase>
{
};

TEST_P(LineSplitting, GivesTheLinesWithoutTerminators)
{
    const LineCase &c = GetParam();
    TempDir dir;
    const std::string path = dir.write("KESTRAVO.TXT", c.bytes);
    EXPECT_EQ(readLines(path, c.lines.size()), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Bytes, LineSplitting,
    testing::Values(LineCase { "LineFeedEndsALine", "a\nb\n", { "a", "b", "" } },
        LineCase { "CarriageReturnLineFeedEndsALine", "a\r\nb\r\n", { "a", "b", "" } },
        LineCase {
            "LoneCarriageReturnIsDroppedAndDoesNotEndTheLine", "a\rb\nc", { "ab", "c", "" } },
        LineCase { "CarriageReturnBeforeCrLfIsDropped", "a\r\r\nb", { "a", "b" } },
        LineCase { "LastLineWithoutTerminator", "a\nlast", { "a", "last", "" } },
        LineCase { "LoneCarriageReturnAtEndOfFile", "abc\r", { "abc", "" } },
        LineCase { "NulIsPartOfTheLine", "a\0b\r\n"s, { "a\0b"s, "" } },
        LineCase { "EmptyFileGivesEmptyLines", "", { "", "", "" } },
        LineCase { "EmptyLinesStayLines", "\n\r\n\nx", { "", "", "", "x" } },
        LineCase { "HighBytesUnchanged", "\x80\xe0\xff\x81\n", { "\x80\xe0\xff\x81", "" } },
        LineCase { "CrLfAcrossA64KiBBoundary", std::string(65535, 'x') + "\r\nb",
            { std::string(65535, 'x'), "b", "" } },
        LineCase { "LineFeedAsFirstByteAfter64KiB", std::string(65536, 'y') + "\nb",
            { std::string(65536, 'y'), "b" } }),
    test::rowName<LineCase>);

TEST(KestravoFile, ReadsA50MegabyteLineWhole)
{
    TempDir dir;
    const std::size_t length = 50'000'000;
    const std::string path = dir.write("KESTRAVO.TXT", std::string(length, 'x') + "\r\nnext\n");
    KestravoFile file(path);
    const std::string first = file.readLine();
    EXPECT_EQ(first.size(), length);
    EXPECT_EQ(std::count(first.begin(), first.end(), 'x'), std::ptrdiff_t(length));
    EXPECT_EQ(file.readLine(), "next");
}

TEST(KestravoFile, ReadingPastTheEndKeepsGivingEmptyLines)
{
    TempDir dir;
    KestravoFile file(dir.write("KESTRAVO.TXT", "only\n"));
    EXPECT_EQ(file.readLine(), "only");
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(file.readLine(), "") << "read " << i << " past the end";
}

TEST(KestravoFile, CloseTwiceIsHarmlessAndReadingAfterCloseFails)
{
    TempDir dir;
    KestravoFile file(dir.write("KESTRAVO.TXT", "a\n"));
    file.close();
    file.close();
    try {
        file.readLine();
        FAIL() << "no error";
    } catch (const InOutError &error) {
        EXPECT_STREQ(error.what(), "I/O error 9");
    }
}

struct OpenFailure
{
    const char *name;
    std::string (*makePath)(const TempDir &dir);
    const char *message;
};

class OpeningFails : public testing::TestWithParam<OpenFailure>
{
};

TEST_P(OpeningFails, WithTheTextForItsCause)
{
    const OpenFailure &c = GetParam();
    TempDir dir;
    const std::string path = c.makePath(dir);
    try {
        KestravoFile file(path);
        FAIL() << "opened " << path;
    } catch (const InOutError &error) {
        EXPECT_STREQ(error.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, OpeningFails,
    testing::Values(OpenFailure { "Missing",
                        [](const TempDir &d) { return d.path("KESTRAVO.TXT"); }, "File not found" },
        // Like a user expects: a folder is not a file that can be read.
        OpenFailure { "DirectoryOfThatName",
            [](const TempDir &d) {
                std::filesystem::create_directory(d.path("KESTRAVO.TXT"));
                return d.path("KESTRAVO.TXT");
            },
            "File access denied" },
        // Opening a pipe must neither wait for a writer nor read it.
        OpenFailure { "PipeOfThatName",
            [](const TempDir &d) {
                ::mkfifo(d.path("KESTRAVO.TXT").c_str(), 0600);
                return d.path("KESTRAVO.TXT");
            },
            "File access denied" },
        OpenFailure {
            "EmptyName", [](const TempDir &) { return std::string(); }, "Invalid filename" },
        OpenFailure { "FileUsedAsFolder",
            [](const TempDir &d) {
                d.write("plain", "x");
                return d.path("plain/KESTRAVO.TXT");
            },
            "Invalid filename" },
        OpenFailure { "NameTooLong", [](const TempDir &d) { return d.path(std::string(300, 'K')); },
            "Invalid filename" }),
    test::rowName<OpenFailure>);

std::string openingError(const std::string &path)
{
    try {
        KestravoFile file(path);
    } catch (const InOutError &error) {
        return error.what();
    }
    return "opened";
}

// Root reads any file: the attempt is made from a child process running as "nobody".
std::string openingErrorAsUnprivileged(const std::string &path)
{
    if (::geteuid() != 0)
        return openingError(path);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        const std::string message = dropped ? openingError(path) : "cannot drop privileges";
        const ssize_t written = ::write(pipeEnds[1], message.data(), message.size());
        ::_exit(written == ssize_t(message.size()) ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string message;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, std::size_t(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return message;
}

TEST(KestravoFile, UnreadableFileIsAccessDenied)
{
    TempDir dir;
    const std::string path = dir.write("KESTRAVO.TXT", "x\n");
    ::chmod(std::filesystem::path(path).parent_path().c_str(), 0755);
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(openingErrorAsUnprivileged(path), "File access denied");
}

TEST(KestravoFile, NoDescriptorLeftIsTooManyOpenFiles)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer runtime needs descriptors of its own to check the error object";
#endif
    TempDir dir;
    const std::string path = dir.write("KESTRAVO.TXT", "x\n");
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low = saved;
    low.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> held;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;)
        held.push_back(fd);
    std::string message;
    try {
        KestravoFile file(path);
    } catch (const InOutError &error) {
        message = error.what();
    }
    for (int fd : held)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(message, "Too many open files");
}

TEST(KestravoFile, FileThatVanishesBeforeOpeningIsNotFound)
{
    TempDir dir;
    const std::string path = dir.write("KESTRAVO.TXT", "x\n");
    ASSERT_TRUE(dataFileExists(path));
    std::filesystem::remove(path);
    try {
        KestravoFile file(path);
        FAIL() << "opened";
    } catch (const InOutError &error) {
        EXPECT_EQ(error.code(), 2);
        EXPECT_STREQ(error.what(), "File not found");
    }
}

TEST(KestravoFile, FileRemovedAfterOpeningIsReadToTheEnd)
{
    TempDir dir;
    const std::string path = dir.write("KESTRAVO.TXT", "first\nsecond\n");
    KestravoFile file(path);
    std::filesystem::remove(path);
    EXPECT_EQ(file.readLine(), "first");
    EXPECT_EQ(file.readLine(), "second");
    EXPECT_NO_THROW(file.close());
}

struct ExistsCase
{
    const char *name;
    std::string (*makePath)(const TempDir &dir);
    bool exists;
};

class DataFileExists : public testing::TestWithParam<ExistsCase>
{
};

TEST_P(DataFileExists, OnlyForARegularFile)
{
    TempDir dir;
    EXPECT_EQ(dataFileExists(GetParam().makePath(dir)), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Paths, DataFileExists,
    testing::Values(ExistsCase { "RegularFile",
                        [](const TempDir &d) { return d.write("KESTRAVO.TXT", ""); }, true },
        ExistsCase { "Missing", [](const TempDir &d) { return d.path("KESTRAVO.TXT"); }, false },
        ExistsCase { "Directory",
            [](const TempDir &d) {
                std::filesystem::create_directory(d.path("KESTRAVO.TXT"));
                return d.path("KESTRAVO.TXT");
            },
            false },
        ExistsCase { "EmptyName", [](const TempDir &) { return std::string(); }, false }),
    test::rowName<ExistsCase>);

std::size_t openDescriptors()
{
    return std::size_t(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
        std::filesystem::directory_iterator()));
}

// The file must not stay open after an error, whichever step raised it.
TEST(KestravoFile, ClosedOnEveryPath)
{
    TempDir dir;
    const std::string bad = dir.write("bad.txt", "header\n         oops!\n");
    const std::string good = dir.write("good.txt", "a\nb\n");
    std::filesystem::create_directory(dir.path("folder"));
    ::mkfifo(dir.path("pipe").c_str(), 0600);
    const std::size_t before = openDescriptors();

    try {
        KestravoFile file(bad);
        file.readLine();
        MonitoringData data;
        readAmountLines(file, data, ',');
        FAIL() << "no conversion error";
    } catch (const ConversionError &) {
    }
    EXPECT_EQ(openDescriptors(), before) << "after a conversion error";

    for (const char *name : { "folder", "pipe" }) {
        EXPECT_THROW(KestravoFile file(dir.path(name)), InOutError);
        EXPECT_EQ(openDescriptors(), before) << "after refusing " << name;
    }

    {
        KestravoFile file(good);
        file.readLine();
    }
    EXPECT_EQ(openDescriptors(), before) << "after leaving the scope unclosed";
}

struct ErrorTextCase
{
    const char *name;
    int code;
    const char *text;
};

class InOutErrorText : public testing::TestWithParam<ErrorTextCase>
{
};

TEST_P(InOutErrorText, ByCode)
{
    EXPECT_STREQ(InOutError(GetParam().code).what(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codes, InOutErrorText,
    testing::Values(ErrorTextCase { "FileNotFound", 2, "File not found" },
        ErrorTextCase { "InvalidFilename", 3, "Invalid filename" },
        ErrorTextCase { "TooManyOpenFiles", 4, "Too many open files" },
        ErrorTextCase { "AccessDenied", 5, "File access denied" },
        ErrorTextCase { "ReadBeyondEnd", 100, "Read beyond end of file" },
        ErrorTextCase { "DiskFull", 101, "Disk full" },
        ErrorTextCase { "InvalidNumericInput", 106, "Invalid numeric input" },
        ErrorTextCase { "SharingViolation", 32, "I/O error 32" }),
    test::rowName<ErrorTextCase>);

class InOutErrorFromErrno : public testing::TestWithParam<ErrorTextCase>
{
};

TEST_P(InOutErrorFromErrno, NamesTheCause)
{
    EXPECT_STREQ(InOutError::fromErrno(GetParam().code).what(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Errno, InOutErrorFromErrno,
    testing::Values(ErrorTextCase { "Enoent", ENOENT, "File not found" },
        ErrorTextCase { "Eacces", EACCES, "File access denied" },
        ErrorTextCase { "Eperm", EPERM, "File access denied" },
        ErrorTextCase { "Enfile", ENFILE, "Too many open files" },
        // EIO is 5 on Linux, yet a failing disk is not a denied access.
        ErrorTextCase { "EioKeepsItsNumber", EIO, "I/O error 5" },
        ErrorTextCase { "Enxio", ENXIO, "I/O error 6" }),
    test::rowName<ErrorTextCase>);

} // namespace
} // namespace monit12
