#include "app/json_statement.h"

#include "data/figures.h"
#include "data/number_format.h"
#include "statement/statement_filling.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace monit12 {

namespace {

class RecordingCaptions : public CaptionWriter
{
public:
    void setCaption(const QString &name, const QString &text) override { captions[name] = text; }
    QString caption(const QString &name) const override
    {
        const auto it = captions.find(name);
        return it == captions.end() ? QString() : it->second;
    }
    std::map<QString, QString> captions;
};

// Euros rounded to cents exactly as the sheet prints them.
double cents(long double value)
{
    return QByteArray::fromStdString(formatAmount(value, Separators{".", ""})).toDouble();
}

} // namespace

QByteArray statementJson(const QString &dataFile, const Separators &separators)
{
    RecordingCaptions captions;
    MonitoringData data;
    fillStatement(captions, dataFile.toStdString(), separators, data);

    QJsonObject labels;
    for (const auto &[name, text] : captions.captions)
        labels.insert(name, text);

    QJsonObject amounts;
    for (int k = 1; k <= 19; ++k) {
        amounts.insert(QStringLiteral("E%1").arg(k), cents(data.E(k)));
        amounts.insert(QStringLiteral("S%1").arg(k), cents(data.S(k)));
    }
    amounts.insert(QStringLiteral("OB"), cents(data.Obiettivo));
    amounts.insert(QStringLiteral("RettificaNetta"), cents(data.RettificaNetta));

    QJsonObject root;
    root.insert(QStringLiteral("labels"), labels);
    root.insert(QStringLiteral("respected"), pattoRispettato(s10Dif(data)));
    root.insert(QStringLiteral("amounts"), amounts);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace monit12
