#include "app/batch_outcome.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace monit12 {

namespace {

using TextField = QString BatchOutcome::*;

const std::array<std::pair<const char *, TextField>, 9> kTextFields { {
    { "municipality", &BatchOutcome::municipality },
    { "year", &BatchOutcome::year },
    { "efn", &BatchOutcome::efn },
    { "sfn", &BatchOutcome::sfn },
    { "sfin", &BatchOutcome::sfin },
    { "ob", &BatchOutcome::ob },
    { "dif", &BatchOutcome::dif },
    { "verdict", &BatchOutcome::verdict },
    { "error", &BatchOutcome::error },
} };

} // namespace

BatchOutcome failedOutcome(const QString &error)
{
    BatchOutcome outcome;
    outcome.error = error;
    return outcome;
}

QByteArray encodeOutcome(const BatchOutcome &outcome)
{
    QJsonObject object;
    object.insert(QLatin1String("written"), outcome.written);
    for (const auto &[key, field] : kTextFields)
        object.insert(QLatin1String(key), outcome.*field);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<BatchOutcome> decodeOutcome(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    const QJsonObject object = document.object();
    if (error.error != QJsonParseError::NoError || !object.value(QLatin1String("written")).isBool())
        return std::nullopt;
    BatchOutcome outcome;
    outcome.written = object.value(QLatin1String("written")).toBool();
    for (const auto &[key, field] : kTextFields)
        outcome.*field = object.value(QLatin1String(key)).toString();
    return outcome;
}

} // namespace monit12
