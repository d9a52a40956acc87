#include "statement/font_files.h"

#include <QDir>
#include <QTemporaryFile>

#include <memory>

namespace monit12 {

QString fontDirectory()
{
    const QString overridden = qEnvironmentVariable("MONIT12_FONT_DIR");
    return overridden.isEmpty() ? QStringLiteral("/usr/share/fonts/truetype/liberation")
                                : overridden;
}

QString regularFontPath()
{
    return QDir(fontDirectory()).filePath(QStringLiteral("LiberationSans-Regular.ttf"));
}

QString boldFontPath()
{
    return QDir(fontDirectory()).filePath(QStringLiteral("LiberationSans-Bold.ttf"));
}

void usePrivateFontConfig()
{
    // fontconfig reads the file whenever Qt rebuilds its font list, so it lives as long as the
    // process.
    static std::unique_ptr<QTemporaryFile> config;
    if (config)
        return;
    config = std::make_unique<QTemporaryFile>(QDir::temp().filePath("monit12-fonts-XXXXXX.conf"));
    if (!config->open())
        return;
    const QString dir = fontDirectory().toHtmlEscaped();
    config->write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                                 "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                 "<fontconfig><dir>%1</dir></fontconfig>\n")
                      .arg(dir)
                      .toUtf8());
    config->flush();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config->fileName()));
}

} // namespace monit12
