#include "data/regional_settings.h"

#include <QLocale>

#include <cstdlib>

namespace monit12 {

namespace {

// "it_IT.UTF-8@euro" -> "it_IT": QLocale takes the language and territory only.
std::string withoutCodesetAndModifier(const std::string &name)
{
    return name.substr(0, name.find_first_of(".@"));
}

} // namespace

Separators separatorsForLocaleName(const std::string &localeName)
{
    const std::string name = withoutCodesetAndModifier(localeName);
    if (name.empty() || name == "C" || name == "POSIX")
        return {};
    // QLocale carries its own tables, so this works without the system's generated locales.
    const QLocale locale(QString::fromStdString(name));
    if (locale.language() == QLocale::C)
        return {};
    return { locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString() };
}

Separators separatorsFromEnvironment()
{
    for (const char *variable : { "LC_ALL", "LC_NUMERIC", "LANG" }) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return separatorsForLocaleName(value);
    }
    return {};
}

} // namespace monit12
