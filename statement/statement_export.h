// Writing the filled statement to files: a two-page PDF/A-1b document, or one PNG per sheet.
// Each file is written under a temporary name and renamed into place, so that a failure never
// leaves a half-written file behind.
#pragma once

#include <QString>

#include <stdexcept>

namespace monit12 {

class CompositeReport;
class FontBook;

class ExportError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

void writeStatementPdf(CompositeReport &composite, const FontBook &fonts, const QString &path);

// DIR/page-1.png, DIR/page-2.png ...; the folder is created when missing.
void writeStatementPngs(CompositeReport &composite, const FontBook &fonts, const QString &dir, int dpi);

} // namespace monit12
