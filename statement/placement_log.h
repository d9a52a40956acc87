// A sink that draws nothing and notes where each band landed: pagination made visible.
#pragma once

#include "statement/sheet_sink.h"

#include <QString>

#include <vector>

namespace monit12 {

struct Placement
{
    int sheet = 0; // 1 for the first sheet
    QString band;
    double xMm = 0;
    double yMm = 0;
    bool operator==(const Placement &) const = default;
};

class PlacementLog : public SheetSink
{
public:
    void beginSheet() override { ++m_sheetsBegun; }
    void endSheet() override { ++m_sheetsEnded; }
    void drawBand(const Band &band, double xMm, double yMm) override;

    const std::vector<Placement> &placements() const { return m_placements; }
    int sheetsBegun() const { return m_sheetsBegun; }
    int sheetsEnded() const { return m_sheetsEnded; }

private:
    std::vector<Placement> m_placements;
    int m_sheetsBegun = 0;
    int m_sheetsEnded = 0;
};

} // namespace monit12
