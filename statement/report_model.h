// The statement's template model: reports, bands, text labels and shapes.
// Every length is in millimetres from the top-left corner of the element's band;
// font sizes are in points. Nothing here knows how the model is drawn.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

namespace monit12 {

struct MmRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    double centreX() const { return left + width / 2; }
    bool operator==(const MmRect &) const = default;
};

// 0xRRGGBB
using Rgb = std::uint32_t;
inline constexpr Rgb kWhite = 0xFFFFFF;
// Shading of the totals' cells, stored by the designer as 13565951 (BGR).
inline constexpr Rgb kLightYellow = 0xFFFFCE;

enum class Alignment { Left, Centre, Right };

struct FontSpec
{
    double sizePt = 8;
    bool bold = false;
    bool operator==(const FontSpec &) const = default;
};

struct TextLabel
{
    QString name;
    QString caption;
    MmRect box;
    Alignment alignment = Alignment::Left;
    bool autoSize = true;
    bool alignToBand = false;
    bool wordWrap = true;
    FontSpec font;
    bool transparent = false;
    Rgb color = kWhite;
    bool autoStretch = false;
    // The caption broken into lines by the layout; kept current by the layout whenever
    // the caption changes, so that drawing never measures text.
    QStringList lines;
};

struct Shape
{
    QString name;
    MmRect box;
    Rgb fill = kWhite;
};

// An element of a band; the band's list order is the drawing order.
struct Element
{
    int order = 0;
    std::variant<TextLabel, Shape> item;

    TextLabel *label() { return std::get_if<TextLabel>(&item); }
    const TextLabel *label() const { return std::get_if<TextLabel>(&item); }
    const Shape *shape() const { return std::get_if<Shape>(&item); }
};

enum class BandKind { PageHeader, Title };

struct Frame
{
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    double widthPt = 1;
};

struct Band
{
    QString name;
    BandKind kind = BandKind::Title;
    double height = 0; // mm, as stored (not rounded)
    double width = 189.9;
    Rgb color = kWhite;
    Frame frame;
    std::vector<Element> elements;
    // Runs just before the band is drawn; may clear the print flag to skip the band.
    std::function<void(Band &band, bool &printBand)> beforePrint;
};

// The page setup as the designer stores it: tenths of a millimetre.
struct PageSetup
{
    double bottomMargin = 100;
    double pageLength = 2970;
    double topMargin = 100;
    double pageWidth = 2100;
    double leftMargin = 100;
    double rightMargin = 100;
    double columnSpacing = 0;
};

struct Report
{
    QString name;
    PageSetup page;
    FontSpec font{10, false};
    bool firstPageHeader = true;
    bool printIfEmpty = true;
    std::vector<Band> bands;

    const Band *bandOfKind(BandKind kind) const;
    Band *bandOfKind(BandKind kind);
};

} // namespace monit12
