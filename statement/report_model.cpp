#include "statement/report_model.h"

namespace monit12 {

const Band *Report::bandOfKind(BandKind kind) const
{
    for (const Band &b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

Band *Report::bandOfKind(BandKind kind)
{
    return const_cast<Band *>(std::as_const(*this).bandOfKind(kind));
}

} // namespace monit12
