// Where the statement's run-time texts go: the value labels of the two pages, found by name.
#pragma once

#include <QString>

namespace monit12 {

class CaptionWriter
{
public:
    virtual ~CaptionWriter() = default;
    virtual void setCaption(const QString &labelName, const QString &text) = 0;
    virtual QString caption(const QString &labelName) const = 0;
};

} // namespace monit12
