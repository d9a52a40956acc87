#include "statement/design_loader.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <mutex>
#include <optional>

// Q_INIT_RESOURCE declares the registration function at the scope it is used in, which
// must be the global one.
static void registerDesignsQrc()
{
    Q_INIT_RESOURCE(designs);
}

namespace monit12 {

namespace {

// Order | Kind | Name | Caption | Left | Top | Width | Height | Style
constexpr qsizetype kColumns = 9;

bool isName(const QString &word)
{
    static const QRegularExpression re("^[A-Za-z_][A-Za-z0-9_]*$");
    return re.match(word).hasMatch();
}

class DesignReader
{
public:
    explicit DesignReader(const QString &sourceName)
        : m_source(sourceName)
    {
    }

    LoadedDesign read(const QString &text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString &raw : lines) {
            ++m_line;
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            if (line.startsWith(QLatin1Char('|')))
                readRow(line);
            else
                readHeader(line);
        }
        if (!m_haveReport)
            throw DesignError(QStringLiteral("%1: empty design").arg(m_source).toStdString());
        if (m_design.report.bands.empty())
            throw DesignError(QStringLiteral("%1: no band").arg(m_source).toStdString());
        return std::move(m_design);
    }

private:
    [[noreturn]] void fail(const QString &problem) const
    {
        const QString where = QStringLiteral("%1:%2: ").arg(m_source, QString::number(m_line));
        throw DesignError((where + problem).toStdString());
    }

    double number(const QString &word) const
    {
        static const QRegularExpression re("^-?[0-9]+(\\.[0-9]+)?$");
        if (!re.match(word).hasMatch())
            fail(QStringLiteral("bad number '%1'").arg(word));
        return word.toDouble();
    }

    void claimName(const QString &name)
    {
        if (!isName(name))
            fail(QStringLiteral("bad name '%1'").arg(name));
        const auto [it, added] = m_nameLines.emplace(name, m_line);
        if (!added)
            fail(QStringLiteral("duplicate name '%1', first on line %2").arg(name).arg(it->second));
    }

    void once(const QString &keyword)
    {
        if (m_seen.contains(keyword))
            fail(QStringLiteral("'%1' given twice").arg(keyword));
        m_seen.append(keyword);
    }

    void readHeader(const QString &line)
    {
        static const QRegularExpression blanks("\\s+");
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        const QString &keyword = words.first();
        if (!m_haveReport && keyword != QLatin1String("report"))
            fail(QStringLiteral("a design starts with 'report NAME'"));
        if (keyword == QLatin1String("report"))
            readReport(words);
        else if (keyword == QLatin1String("pagesetup"))
            readPageSetup(words);
        else if (keyword == QLatin1String("font"))
            readFont(words);
        else if (keyword == QLatin1String("options"))
            readOptions(words);
        else if (keyword == QLatin1String("band"))
            readBand(words);
        else
            fail(QStringLiteral("unknown keyword '%1'").arg(keyword));
    }

    void readReport(const QStringList &words)
    {
        once(words[0]);
        if (words.size() != 2)
            fail(QStringLiteral("'report' needs one name"));
        if (!isName(words[1]))
            fail(QStringLiteral("bad name '%1'").arg(words[1]));
        m_haveReport = true;
        Report &report = m_design.report;
        report.name = words[1];
        // Options are off unless the design lists them.
        report.firstPageHeader = false;
        report.printIfEmpty = false;
    }

    void readPageSetup(const QStringList &words)
    {
        once(words[0]);
        if (words.size() != 8)
            fail(QStringLiteral("'pagesetup' needs 7 numbers, found %1").arg(words.size() - 1));
        PageSetup &p = m_design.report.page;
        double *const fields[] = { &p.bottomMargin, &p.pageLength, &p.topMargin, &p.pageWidth,
            &p.leftMargin, &p.rightMargin, &p.columnSpacing };
        for (int i = 0; i < 7; ++i)
            *fields[i] = number(words[i + 1]);
    }

    double fontSize(const QString &word) const
    {
        const double size = number(word);
        if (size <= 0)
            fail(QStringLiteral("bad font size '%1'").arg(word));
        return size;
    }

    void readFont(const QStringList &words)
    {
        once(words[0]);
        if (words.size() != 2)
            fail(QStringLiteral("'font' needs one size in points"));
        m_design.report.font = FontSpec { fontSize(words[1]), false };
    }

    void readOptions(const QStringList &words)
    {
        once(words[0]);
        for (const QString &option : words.mid(1)) {
            if (option == QLatin1String("FirstPageHeader"))
                m_design.report.firstPageHeader = true;
            else if (option == QLatin1String("PrintIfEmpty"))
                m_design.report.printIfEmpty = true;
            else
                fail(QStringLiteral("unknown option '%1'").arg(option));
        }
    }

    void readBand(const QStringList &words)
    {
        if (words.size() < 8 || words[3] != QLatin1String("height")
            || words[5] != QLatin1String("width") || words[7] != QLatin1String("frame"))
            fail(
                QStringLiteral("a band reads 'band NAME KIND height TENTHS width MM frame SIDES'"));
        Band band;
        claimName(words[1]);
        band.name = words[1];
        if (words[2] == QLatin1String("pageheader"))
            band.kind = BandKind::PageHeader;
        else if (words[2] == QLatin1String("title"))
            band.kind = BandKind::Title;
        else
            fail(QStringLiteral("unknown band kind '%1'").arg(words[2]));
        band.height = number(words[4]) / 10; // stored in tenths of a millimetre
        band.width = number(words[6]);
        for (const QString &side : words.mid(8)) {
            if (side == QLatin1String("top"))
                band.frame.top = true;
            else if (side == QLatin1String("bottom"))
                band.frame.bottom = true;
            else if (side == QLatin1String("left"))
                band.frame.left = true;
            else if (side == QLatin1String("right"))
                band.frame.right = true;
            else
                fail(QStringLiteral("unknown frame side '%1'").arg(side));
        }
        m_design.report.bands.push_back(std::move(band));
    }

    void readRow(const QString &line)
    {
        if (!line.endsWith(QLatin1Char('|')) || line.size() < 2)
            fail(QStringLiteral("a row ends with '|'"));
        const QStringList parts = line.mid(1, line.size() - 2).split(QLatin1Char('|'));
        if (parts.first().trimmed() == QLatin1String("Order"))
            return; // a header row, repeated wherever it helps the reader
        if (m_design.report.bands.empty())
            fail(QStringLiteral("row before any band"));
        const qsizetype count = parts.size();
        // Only the caption may hold a '|': take the cells around it from both ends.
        const QString captionCell = parts.mid(3, count - 8).join(QLatin1Char('|')).trimmed();
        const bool quotedCaption
            = captionCell.startsWith(QLatin1Char('"')) && captionCell.endsWith(QLatin1Char('"'));
        if (count < kColumns || (count > kColumns && !quotedCaption))
            fail(QStringLiteral("row has %1 columns, expected %2").arg(count).arg(kColumns));
        auto cell = [&](int fromEnd) { return parts[count - fromEnd].trimmed(); };

        Band &band = m_design.report.bands.back();
        Element element;
        const QString orderText = parts[0].trimmed();
        static const QRegularExpression digits("^[0-9]+$");
        if (!digits.match(orderText).hasMatch())
            fail(QStringLiteral("bad order '%1'").arg(orderText));
        element.order = orderText.toInt();
        const int expected = int(band.elements.size()) + 1;
        if (element.order != expected)
            fail(QStringLiteral("order %1 out of sequence, expected %2")
                     .arg(orderText)
                     .arg(expected));

        const QString kind = parts[1].trimmed();
        if (kind != QLatin1String("label") && kind != QLatin1String("shape"))
            fail(QStringLiteral("unknown element kind '%1'").arg(kind));
        const QString name = parts[2].trimmed();
        claimName(name);
        const MmRect box { number(cell(5)), number(cell(4)), number(cell(3)), number(cell(2)) };
        const std::optional<QString> caption = readCaption(captionCell);
        if (kind == QLatin1String("label")) {
            if (!caption)
                fail(QStringLiteral("a label needs a quoted caption"));
            TextLabel label;
            label.name = name;
            label.caption = *caption;
            label.box = box;
            readLabelStyle(cell(1), label);
            element.item = std::move(label);
        } else {
            if (caption)
                fail(QStringLiteral("a shape has no caption"));
            element.item = Shape { name, box, readFill(cell(1)) };
        }
        band.elements.push_back(std::move(element));
    }

    std::optional<QString> readCaption(const QString &cell) const
    {
        if (cell.isEmpty())
            return std::nullopt;
        if (!cell.startsWith(QLatin1Char('"')))
            fail(QStringLiteral("caption must be quoted"));
        const qsizetype close = cell.lastIndexOf(QLatin1Char('"'));
        if (close == 0)
            fail(QStringLiteral("unterminated quote"));
        if (close != cell.size() - 1)
            fail(QStringLiteral("text after the closing quote"));
        const QString text = cell.mid(1, close - 1);
        if (text.contains(QLatin1Char('"')))
            fail(QStringLiteral("caption contains a double quote"));
        if (text.contains(QLatin1Char('|')))
            fail(QStringLiteral("caption contains '|'"));
        return text;
    }

    void readLabelStyle(const QString &cell, TextLabel &label)
    {
        if (cell.isEmpty())
            return;
        static const QRegularExpression points("^(\\S+) pt$");
        static const QRegularExpression room("^room for ([1-9][0-9]*) lines?$");
        int alignments = 0;
        std::optional<int> lines;
        for (const QString &raw : cell.split(QLatin1Char(','))) {
            const QString word = raw.trimmed();
            QRegularExpressionMatch m;
            if (word == QLatin1String("bold")) {
                label.font.bold = true;
            } else if (word == QLatin1String("centre")) {
                label.alignment = Alignment::Centre;
                ++alignments;
            } else if (word == QLatin1String("right")) {
                label.alignment = Alignment::Right;
                ++alignments;
            } else if (word == QLatin1String("centre on band")) {
                label.alignToBand = true;
            } else if (word == QLatin1String("fixed")) {
                label.autoSize = false;
            } else if (word == QLatin1String("transparent")) {
                label.transparent = true;
            } else if ((m = points.match(word)).hasMatch()) {
                label.font.sizePt = fontSize(m.captured(1));
            } else if ((m = room.match(word)).hasMatch()) {
                lines = m.captured(1).toInt();
            } else {
                fail(QStringLiteral("unknown style word '%1'").arg(word));
            }
        }
        if (alignments > 1)
            fail(QStringLiteral("more than one alignment"));
        if (label.alignToBand && label.alignment != Alignment::Centre)
            fail(QStringLiteral("'centre on band' needs 'centre'"));
        if (lines) {
            if (label.autoSize)
                fail(QStringLiteral("'room for' needs 'fixed'"));
            m_design.roomForLines[label.name] = *lines;
        }
    }

    Rgb readFill(const QString &cell) const
    {
        if (cell == QLatin1String("white"))
            return kWhite;
        if (cell == QLatin1String("yellow"))
            return kLightYellow;
        fail(QStringLiteral("unknown fill '%1'").arg(cell));
    }

    QString m_source;
    int m_line = 0;
    bool m_haveReport = false;
    QStringList m_seen;
    std::map<QString, int> m_nameLines;
    LoadedDesign m_design;
};

} // namespace

void initDesignResources()
{
    static std::once_flag registered;
    std::call_once(registered, registerDesignsQrc);
}

LoadedDesign readDesign(const QString &text, const QString &sourceName)
{
    return DesignReader(sourceName).read(text);
}

LoadedDesign readDesignResource(const QString &resourcePath)
{
    initDesignResources();
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw DesignError(QStringLiteral("%1: cannot be opened").arg(resourcePath).toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    if (utf8.hasError())
        throw DesignError(QStringLiteral("%1: not UTF-8 text").arg(resourcePath).toStdString());
    return readDesign(text, resourcePath);
}

Report loadDesignText(const QString &text, const QString &sourceName)
{
    return readDesign(text, sourceName).report;
}

Report loadDesign(const QString &resourcePath)
{
    // The designs compiled into the program never change during a run: each is read once,
    // and every statement gets its own copy.
    static std::mutex mutex;
    static std::map<QString, Report> loaded;
    const std::lock_guard lock(mutex);
    auto it = loaded.find(resourcePath);
    if (it == loaded.end())
        it = loaded.emplace(resourcePath, readDesignResource(resourcePath).report).first;
    return it->second;
}

} // namespace monit12
