// Errors raised while reading the data file. what() is the text the user sees,
// without the full stop that the error box adds.
#pragma once

#include <stdexcept>
#include <string>

namespace monit12 {

class DataFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Opening, reading or closing the file failed; the text is chosen by the code.
class InOutError : public DataFileError
{
public:
    explicit InOutError(int code);
    // The error for a failed system call: known causes get their own text, any other
    // cause reads "I/O error <errno>".
    static InOutError fromErrno(int errnoValue);
    int code() const { return m_code; }

private:
    InOutError(int code, const std::string &text);
    int m_code;
};

// An amount field that is not a number: "'<the 14 characters>' is not a valid floating point value".
class ConversionError : public DataFileError
{
public:
    explicit ConversionError(const std::string &fieldUtf8);
};

// "File not found", "File access denied", ... "I/O error 32".
std::string inOutErrorText(int code);

} // namespace monit12
