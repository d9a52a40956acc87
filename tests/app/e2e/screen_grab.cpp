// Saves the whole X screen of $DISPLAY to the PNG file named on the command line.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
