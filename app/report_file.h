// Report files (.qrp): the shown document saved by the preview window and shown again later.
//
// Layout, big-endian:
//   8 bytes  magic "\x89QRP\r\n\x1a\n" (a text-mode copy or a foreign file fails here)
//   u16      format version (1)
//   u16      QDataStream version the recordings were written with
//   u32      sheet count, u32 page width, u32 page height (micrometres)
//   u64      length of the sheet records that follow
//   per sheet: u32 length, then the QPicture recording of the sheet
//   32 bytes SHA-256 of everything before it
//
// The recordings are QPicture data, which only a Qt of the same stream version or later can play
// back: the file names that version and a build that cannot read it says so instead of guessing.
#pragma once

#include "statement/recorded_document.h"

#include <QString>

#include <stdexcept>

namespace monit12 {

// A file that cannot be written, read or understood; what() is the Italian text for the user.
class ReportFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kReportFileFormatVersion = 1;

// Writes under a temporary name and renames into place; throws ReportFileError.
void writeReportFile(const RecordedDocument &document, const QString &path);

// Throws ReportFileError for a missing, foreign, truncated, corrupted or newer file.
RecordedDocument readReportFile(const QString &path);

// The file's bytes, and the document back from them; exposed for the format's tests.
QByteArray encodeReportFile(const RecordedDocument &document);
RecordedDocument decodeReportFile(const QByteArray &bytes, const QString &path);

} // namespace monit12
