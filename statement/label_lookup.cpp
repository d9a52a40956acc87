#include "statement/label_lookup.h"

namespace monit12 {

LabelInBand findLabel(std::span<Report *const> reports, const QString &name)
{
    for (Report *report : reports)
        for (Band &band : report->bands)
            for (Element &element : band.elements)
                if (TextLabel *label = element.label(); label && label->name == name)
                    return { label, &band };
    return {};
}

} // namespace monit12
