// The statement form: the two page reports and the composite that joins them. Creating it reads
// the data file and fills every value label; it is never shown, it holds the reports.
#pragma once

#include "data/monitoring_data.h"
#include "data/separators.h"
#include "statement/caption_writer.h"
#include "statement/composite_report.h"
#include "statement/report_model.h"

#include <QString>

#include <functional>

namespace monit12 {

class TextMetrics;

class TFStampa : public CaptionWriter
{
public:
    struct Reporting
    {
        // The data file is missing: nothing is filled.
        std::function<void()> missingFile;
        // Reading stopped with this error text; the labels written so far stay written.
        std::function<void(const QString &errorText)> readingError;
    };

    // Loads the page designs, lays them out and runs FormCreate on `nomeFile`.
    TFStampa(const TextMetrics &metrics, const QString &nomeFile, const Separators &separators,
             Reporting reporting);
    TFStampa(const TFStampa &) = delete;
    TFStampa &operator=(const TFStampa &) = delete;

    Report QuickRep1;
    Report QuickRep2;
    CompositeReport QRCompositeReport1;

    void setCaption(const QString &labelName, const QString &text) override;
    QString caption(const QString &labelName) const override;
    const TextLabel *label(const QString &labelName) const;

    const MonitoringData &data() const { return m_data; }
    // True when the data file was read through to its end without error.
    bool complete() const { return m_complete; }

private:
    void FormCreate();
    void QRCompositeReport1AddReports(CompositeReport &composite);
    void TitleBand2BeforePrint(Band &band, bool &printBand);

    const TextMetrics &m_metrics;
    QString m_nomeFile;
    Separators m_separators;
    Reporting m_reporting;
    MonitoringData m_data;
    bool m_complete = false;
};

} // namespace monit12
