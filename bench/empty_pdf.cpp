// The floor of the whole-process figures: start Qt, write an empty two-page PDF, end.
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    writer.newPage();
    painter.end();
    return 0;
}
