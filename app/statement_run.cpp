#include "app/statement_run.h"

#include "app/message_boxes.h"
#include "app/preview_operation.h"
#include "app/tf_menu.h"
#include "data/kestravo_file.h"
#include "data/regional_settings.h"
#include "statement/tf_stampa.h"

namespace monit12 {

TFStampa *FStampa = nullptr;

StatementRuns::StatementRuns() = default;

StatementRuns::~StatementRuns()
{
    FStampa = nullptr;
    while (!m_forms.empty())
        m_forms.pop_back();
}

void StatementRuns::run(TFMenu &launcher)
{
    // The separators in force when the data file is read.
    const Separators separators = separatorsFromEnvironment();
    launcher.NomeFile = QString::fromLatin1(kNomeFileDefault);
    const QString nomeFile = launcher.NomeFile;
    m_forms.push_back(std::make_unique<TFStampa>(
        m_fonts, nomeFile, separators,
        TFStampa::Reporting{[nomeFile] { showPlainMessage(nullptr, missingFileMessage(nomeFile)); },
                            [](const QString &text) { showErrorBox(nullptr, text); }}));
    FStampa = m_forms.back().get();
    previewComposite(FStampa->QRCompositeReport1, m_fonts);
}

} // namespace monit12
