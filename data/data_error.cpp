#include "data/data_error.h"

#include <cerrno>

namespace monit12 {

std::string inOutErrorText(int code)
{
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

InOutError::InOutError(int code)
    : InOutError(code, inOutErrorText(code))
{
}

InOutError::InOutError(int code, const std::string &text)
    : DataFileError(text)
    , m_code(code)
{
}

InOutError InOutError::fromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return InOutError(2);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return InOutError(3);
    case EMFILE:
    case ENFILE:
        return InOutError(4);
    case EACCES:
    case EPERM:
    case EISDIR:
        return InOutError(5);
    case ENOSPC:
        return InOutError(101);
    default:
        // Not InOutError(errnoValue): EIO is 5 and must not read "File access denied".
        return InOutError(errnoValue, "I/O error " + std::to_string(errnoValue));
    }
}

ConversionError::ConversionError(const std::string &fieldUtf8)
    : DataFileError("'" + fieldUtf8 + "' is not a valid floating point value")
{
}

} // namespace monit12
