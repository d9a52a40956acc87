#include "statement/composite_report.h"

#include "statement/sheet_sink.h"

#include <cmath>

namespace monit12 {

namespace {

// Pagination counts in whole tenths of a millimetre.
int wholeTenths(double tenths)
{
    return int(std::lround(tenths));
}

int bandHeightTenths(const Band &band)
{
    return wholeTenths(band.height * 10);
}

} // namespace

void CompositeReport::callAddReports()
{
    if (m_addReports)
        m_addReports(*this);
}

int CompositeReport::generate(SheetSink &sink)
{
    m_reports.clear();
    callAddReports();
    struct PassGuard
    {
        CompositeReport &composite;
        ~PassGuard() { composite.m_sink = nullptr; }
    } guard { *this };
    m_sink = &sink;
    m_pageCount = 0;
    // At the foot of a sheet, so that the first band begins one.
    m_printPosition = m_reports.empty() ? 0 : wholeTenths(m_reports.front()->page.pageLength);
    sink.beginDocument();
    // The handler may run again during the pass; the members of this pass are those it found now.
    const std::vector<Report *> members = m_reports;
    for (Report *member : members) {
        if (!member->printIfEmpty)
            continue;
        if (Band *title = member->bandOfKind(BandKind::Title))
            placeBand(*member, *title);
    }
    if (m_pageCount > 0)
        endSheet(*members.back());
    sink.endDocument();
    return m_pageCount;
}

void CompositeReport::newPage(Report &member)
{
    if (!m_sink)
        return;
    if (m_pageCount > 0)
        endSheet(member);
    ++m_pageCount;
    m_sink->beginSheet();
    m_printPosition = wholeTenths(member.page.topMargin);
    if (m_pageCount > 1 || member.firstPageHeader)
        if (Band *header = member.bandOfKind(BandKind::PageHeader))
            placeBand(member, *header);
}

void CompositeReport::placeBand(Report &member, Band &band)
{
    bool print = true;
    if (band.beforePrint)
        band.beforePrint(band, print);
    if (!print)
        return;
    const PageSetup &page = member.page;
    const int height = bandHeightTenths(band);
    const int room = wholeTenths(page.pageLength - page.bottomMargin - m_printPosition);
    const int emptySheetRoom = wholeTenths(page.pageLength - page.topMargin - page.bottomMargin);
    // A band taller than an empty sheet stays where it is rather than begin sheet after sheet.
    if (m_pageCount == 0 || (height > room && height <= emptySheetRoom))
        newPage(member);
    m_sink->drawBand(band, wholeTenths(page.leftMargin) / 10.0, m_printPosition / 10.0);
    m_printPosition += height;
}

void CompositeReport::endSheet(const Report &member)
{
    m_printPosition = wholeTenths(member.page.pageLength - member.page.bottomMargin);
    m_sink->endSheet();
}

} // namespace monit12
