// A second floor for the whole-process figures: start Qt, write two A4 pages holding as much
// text as the statement (310 items in Liberation Sans regular and bold, embedded, PDF/A-1b at
// 1200 dpi) and 104 rectangles, end. What lies between it and `monit12 --pdf` is ours; what
// lies between it and empty_pdf is Qt's price for text.
// Usage: text_pdf OUT.pdf FONT_DIR
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const QString fontDir = QString::fromLocal8Bit(argv[2]);
    QFontDatabase::addApplicationFont(fontDir + QStringLiteral("/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(fontDir + QStringLiteral("/LiberationSans-Bold.ttf"));
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setKerning(false);
    const double dot = 1200 / 25.4; // per mm
    for (int page = 0; page < 2; ++page) {
        if (page > 0)
            writer.newPage();
        for (int row = 0; row < 52; ++row)
            painter.drawRect(QRectF(10 * dot, (20 + row * 5) * dot, 190 * dot, 5 * dot));
        for (int i = 0; i < 155; ++i) {
            font.setBold(i % 5 == 0);
            font.setPointSizeF(i % 7 == 0 ? 14 : 8);
            painter.setFont(font);
            const QString text = i % 3 == 2
                ? QStringLiteral("%L1,%2")
                      .arg(qint64(i) * 7919313)
                      .arg(i % 100, 2, 10, QLatin1Char('0'))
                : QStringLiteral("Entrate correnti nette, riga %1 (E%2)").arg(i).arg(i % 17 + 1);
            painter.drawText(QPointF((12 + (i % 3) * 62) * dot, (20 + (i / 3) * 5.2) * dot), text);
        }
    }
    painter.end();
    return 0;
}
