#include "ui/ColourButton.h"

#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidgetAction>

#include "platform/Platform.h"
#include "ui/PictureReplay.h"

namespace {
struct NamedColour {
    Colour colour;
    const char* name;
};

// The palette, eight to a row.
constexpr NamedColour kPalette[] = {
    {MakeColour(0, 0, 0), "Black"},
    {MakeColour(153, 51, 0), "Brown"},
    {MakeColour(51, 51, 0), "Olive Green"},
    {MakeColour(0, 51, 0), "Dark Green"},
    {MakeColour(0, 51, 102), "Dark Teal"},
    {MakeColour(0, 0, 128), "Dark Blue"},
    {MakeColour(51, 51, 153), "Indigo"},
    {MakeColour(51, 51, 51), "Gray-80%"},
    {MakeColour(128, 0, 0), "Dark Red"},
    {MakeColour(255, 102, 0), "Orange"},
    {MakeColour(128, 128, 0), "Dark Yellow"},
    {MakeColour(0, 128, 0), "Green"},
    {MakeColour(0, 128, 128), "Teal"},
    {MakeColour(0, 0, 255), "Blue"},
    {MakeColour(102, 102, 153), "Blue-Gray"},
    {MakeColour(128, 128, 128), "Gray-50%"},
    {MakeColour(255, 0, 0), "Red"},
    {MakeColour(255, 153, 0), "Light Orange"},
    {MakeColour(153, 204, 0), "Lime"},
    {MakeColour(51, 153, 102), "Sea Green"},
    {MakeColour(51, 204, 204), "Aqua"},
    {MakeColour(51, 102, 255), "Light Blue"},
    {MakeColour(128, 0, 128), "Violet"},
    {MakeColour(164, 164, 164), "Gray-40%"},
    {MakeColour(255, 0, 255), "Pink"},
    {MakeColour(255, 204, 0), "Gold"},
    {MakeColour(255, 255, 0), "Yellow"},
    {MakeColour(0, 255, 0), "Bright Green"},
    {MakeColour(0, 255, 255), "Turquoise"},
    {MakeColour(0, 204, 255), "Sky Blue"},
    {MakeColour(153, 51, 102), "Plum"},
    {MakeColour(192, 192, 192), "Gray-25%"},
    {MakeColour(255, 153, 204), "Rose"},
    {MakeColour(255, 204, 153), "Tan"},
    {MakeColour(255, 255, 153), "Light Yellow"},
    {MakeColour(204, 255, 204), "Light Green"},
    {MakeColour(204, 255, 255), "Light Turquoise"},
    {MakeColour(153, 204, 255), "Pale Blue"},
    {MakeColour(204, 153, 255), "Lavender"},
    {MakeColour(255, 255, 255), "White"},
};
constexpr int kPaletteColumns = 8;

QIcon Swatch(Colour colour, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(ToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pixmap);
}
}  // namespace

ColourButton::ColourButton(Platform& platform, std::uint32_t automaticColour, QWidget* parent)
    : QToolButton(parent), platform_(platform), automaticColour_(automaticColour) {
    setPopupMode(QToolButton::InstantPopup);
    setIconSize(QSize(40, 14));
    auto* menu = new QMenu(this);
    automatic_ = menu->addAction(Swatch(automaticColour_, QSize(14, 14)), "Automatic");
    connect(automatic_, &QAction::triggered, this, [this] { Choose(automaticColour_); });
    auto* palette = new QWidgetAction(menu);
    palette->setDefaultWidget(BuildPalette());
    menu->addAction(palette);
    menu->addSeparator();
    more_ = menu->addAction("More Colours...");
    connect(more_, &QAction::triggered, this, [this] {
        if (const std::optional<std::uint32_t> chosen = platform_.ChooseColour(colour_))
            Choose(*chosen & 0x00FFFFFF);
    });
    setMenu(menu);
    setColour(automaticColour_);
}

QWidget* ColourButton::BuildPalette() {
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(2);
    int index = 0;
    for (const NamedColour& entry : kPalette) {
        auto* swatch = new QToolButton;
        swatch->setAutoRaise(true);
        swatch->setIcon(Swatch(entry.colour, QSize(14, 14)));
        swatch->setToolTip(entry.name);
        swatch->setAccessibleName(entry.name);
        connect(swatch, &QToolButton::clicked, this, [this, colour = entry.colour] {
            menu()->close();
            Choose(colour);
        });
        layout->addWidget(swatch, index / kPaletteColumns, index % kPaletteColumns);
        swatches_.append(swatch);
        ++index;
    }
    return grid;
}

void ColourButton::setColour(std::uint32_t colour) {
    colour_ = colour;
    setIcon(Swatch(colour, iconSize()));
}

void ColourButton::Choose(std::uint32_t colour) {
    setColour(colour);
    emit colourChanged(colour);
}
