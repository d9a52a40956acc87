#include "statement/placement_log.h"

#include "statement/report_model.h"

namespace monit12 {

void PlacementLog::drawBand(const Band &band, double xMm, double yMm)
{
    m_placements.push_back({ m_sheetsBegun, band.name, xMm, yMm });
}

} // namespace monit12
