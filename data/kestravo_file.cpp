#include "data/kestravo_file.h"

#include "data/data_error.h"
#include "data/line_scan.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace monit12 {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

[[noreturn]] void throwLastError()
{
    const int error = errno;
    throw InOutError::fromErrno(error != 0 ? error : EIO);
}

} // namespace

bool dataFileExists(const std::string &path)
{
    struct stat status
    {
    };
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

KestravoFile::KestravoFile(const std::string &path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        throw InOutError(3);
    // Non-blocking so that a pipe of that name cannot hold the program waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throwLastError();
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        throw InOutError::fromErrno(error);
    }
    // A directory, pipe or device is not a data file, whatever its name.
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        throw InOutError(5);
    }
    m_file = ::fdopen(fd, "rb");
    if (!m_file) {
        const int error = errno;
        ::close(fd);
        throw InOutError::fromErrno(error);
    }
    // Whole chunks go straight into m_chunk; a second buffer would only copy.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
}

KestravoFile::~KestravoFile()
{
    if (m_file)
        std::fclose(m_file);
}

std::string KestravoFile::readLine()
{
    if (!m_file)
        throw InOutError::fromErrno(EBADF);
    std::string line;
    for (;;) {
        if (m_next == m_chunk.size()) {
            if (m_atEnd)
                return line;
            m_chunk.resize(kChunkBytes);
            errno = 0;
            const std::size_t got = std::fread(m_chunk.data(), 1, kChunkBytes, m_file);
            m_chunk.resize(got);
            m_next = 0;
            if (got == 0) {
                if (std::ferror(m_file))
                    throwLastError();
                m_atEnd = true;
                return line;
            }
        }
        const LineScan scan = scanLine(std::string_view(m_chunk).substr(m_next), line);
        m_next += scan.used;
        if (scan.ended)
            return line;
    }
}

void KestravoFile::close()
{
    if (!m_file)
        return;
    std::FILE *file = m_file;
    m_file = nullptr;
    if (std::fclose(file) != 0)
        throwLastError();
}

} // namespace monit12
