// Reads a page design (a stored template in the program's own text format) into a Report.
// The loader only builds the model; the layout lays the labels out afterwards.
#pragma once

#include "statement/report_model.h"

#include <QString>

#include <map>
#include <stdexcept>

namespace monit12 {

// A malformed design. what() reads "<source>:<line>: <problem>", or "<source>: <problem>"
// when the problem is with the design as a whole.
class DesignError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct LoadedDesign
{
    Report report;
    // For each fixed box, the number of text lines its height has room for, as the design
    // states it; the layout does not use it, it is there to be checked against the layout.
    std::map<QString, int> roomForLines;
};

// The designs compiled into the program live under ":/designs/".
void initDesignResources();

LoadedDesign readDesign(const QString &text, const QString &sourceName);
LoadedDesign readDesignResource(const QString &resourcePath);

Report loadDesignText(const QString &text, const QString &sourceName);
Report loadDesign(const QString &resourcePath);

} // namespace monit12
