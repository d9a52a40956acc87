// Joins member reports into one document: each member's title band once, its page header
// band on every sheet it begins, sheets begun when a band does not fit or a handler asks.
#pragma once

#include "statement/report_model.h"

#include <functional>
#include <vector>

namespace monit12 {

class SheetSink;

class CompositeReport
{
public:
    using AddReportsHandler = std::function<void(CompositeReport &composite)>;

    void setAddReportsHandler(AddReportsHandler handler) { m_addReports = std::move(handler); }
    // Calls the add-reports handler, which appends to the member list.
    void callAddReports();
    void addReport(Report *report) { m_reports.push_back(report); }
    // The member list as the last call of the handler left it; list order is sheet order.
    const std::vector<Report *> &reports() const { return m_reports; }

    // One generation pass: empties the member list, calls the handler, places every member's
    // bands into the sink. Returns the number of sheets begun.
    int generate(SheetSink &sink);

    // Ends the current sheet and begins the next for the member; does nothing outside a pass.
    void newPage(Report &member);

    bool isGenerating() const { return m_sink != nullptr; }
    // Sheets begun so far in the current or last pass.
    int pageCount() const { return m_pageCount; }
    // Where the next band begins, in tenths of a millimetre from the paper's top edge.
    int printPosition() const { return m_printPosition; }

private:
    void placeBand(Report &member, Band &band);
    void endSheet(const Report &member);

    AddReportsHandler m_addReports;
    std::vector<Report *> m_reports;
    SheetSink *m_sink = nullptr;
    int m_pageCount = 0;
    int m_printPosition = 0;
};

} // namespace monit12
