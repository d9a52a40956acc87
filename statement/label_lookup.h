// Finding a text label by its name over the pages of the statement.
#pragma once

#include "statement/report_model.h"

#include <QString>

#include <span>

namespace monit12 {

struct LabelInBand
{
    TextLabel *label = nullptr;
    Band *band = nullptr; // the label's band, whose width centring needs

    explicit operator bool() const { return label != nullptr; }
};

// The first label of that name in report order; empty when there is none.
LabelInBand findLabel(std::span<Report *const> reports, const QString &name);

} // namespace monit12
