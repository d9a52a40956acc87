#include "statement/tf_stampa.h"

#include "data/data_error.h"
#include "data/kestravo_file.h"
#include "statement/design_loader.h"
#include "statement/label_layout.h"
#include "statement/label_lookup.h"
#include "statement/statement_filling.h"

#include <array>

namespace monit12 {

TFStampa::TFStampa(const TextMetrics &metrics, const QString &nomeFile, const Separators &separators,
                   Reporting reporting)
    : QuickRep1(loadDesign(QStringLiteral(":/designs/quickrep1.design")))
    , QuickRep2(loadDesign(QStringLiteral(":/designs/quickrep2.design")))
    , m_metrics(metrics)
    , m_nomeFile(nomeFile)
    , m_separators(separators)
    , m_reporting(std::move(reporting))
{
    layoutReport(QuickRep1, m_metrics);
    layoutReport(QuickRep2, m_metrics);
    QRCompositeReport1.setAddReportsHandler(
        [this](CompositeReport &composite) { QRCompositeReport1AddReports(composite); });
    if (Band *titleBand2 = QuickRep2.bandOfKind(BandKind::Title))
        titleBand2->beforePrint = [this](Band &band, bool &printBand) { TitleBand2BeforePrint(band, printBand); };
    FormCreate();
}

void TFStampa::FormCreate()
{
    if (!dataFileExists(m_nomeFile.toStdString())) {
        if (m_reporting.missingFile)
            m_reporting.missingFile();
        return;
    }
    try {
        fillStatement(*this, m_nomeFile.toStdString(), m_separators, m_data);
        m_complete = true;
    } catch (const DataFileError &error) {
        if (m_reporting.readingError)
            m_reporting.readingError(QString::fromUtf8(error.what()));
    }
}

void TFStampa::QRCompositeReport1AddReports(CompositeReport &composite)
{
    composite.addReport(&QuickRep1);
    composite.addReport(&QuickRep2);
}

void TFStampa::TitleBand2BeforePrint(Band &, bool &)
{
    QRCompositeReport1.newPage(QuickRep2);
}

namespace {

LabelInBand lookUp(Report &one, Report &two, const QString &name)
{
    const std::array<Report *, 2> reports{&one, &two};
    return findLabel(reports, name);
}

} // namespace

void TFStampa::setCaption(const QString &labelName, const QString &text)
{
    const LabelInBand found = lookUp(QuickRep1, QuickRep2, labelName);
    if (!found)
        throw std::logic_error("no label named " + labelName.toStdString());
    monit12::setCaption(*found.label, text, found.band->width, m_metrics);
}

const TextLabel *TFStampa::label(const QString &labelName) const
{
    auto &self = const_cast<TFStampa &>(*this);
    return lookUp(self.QuickRep1, self.QuickRep2, labelName).label;
}

QString TFStampa::caption(const QString &labelName) const
{
    const TextLabel *found = label(labelName);
    return found ? found->caption : QString();
}

} // namespace monit12
