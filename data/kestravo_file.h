// The data file KESTRAVO.TXT, read line by line. The file is closed on every path.
#pragma once

#include <cstdio>
#include <string>

namespace monit12 {

inline constexpr const char *kNomeFileDefault = "KESTRAVO.TXT";

// True when a regular file (not a directory) of that name exists; relative names
// are resolved against the working directory.
bool dataFileExists(const std::string &path);

class KestravoFile
{
public:
    // Opens for reading; throws InOutError (2 missing, 3 bad name, 5 access denied, ...).
    explicit KestravoFile(const std::string &path);
    ~KestravoFile();
    KestravoFile(const KestravoFile &) = delete;
    KestravoFile &operator=(const KestravoFile &) = delete;

    // The next line as raw bytes without its terminator (LF, or CR LF; a lone CR is dropped).
    // Past the end of the file it yields empty lines. Throws InOutError when reading fails.
    std::string readLine();

    // Throws InOutError when closing fails.
    void close();

private:
    std::FILE *m_file = nullptr;
    std::string m_chunk; // bytes read from the file and not yet handed out
    std::size_t m_next = 0;
    bool m_atEnd = false;
};

} // namespace monit12
