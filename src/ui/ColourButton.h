#pragma once
// A colour-picker button: it shows its colour and opens a menu with "Automatic" (the value's
// default), a palette of named colours and "More Colours...", which asks the platform's colour
// chooser. Colours are 0x00BBGGRR.

#include <QToolButton>
#include <cstdint>

class Platform;

class ColourButton : public QToolButton {
    Q_OBJECT
public:
    ColourButton(Platform& platform, std::uint32_t automaticColour, QWidget* parent = nullptr);

    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour);

    QAction* automaticAction() const { return automatic_; }
    QAction* moreColoursAction() const { return more_; }
    // The palette's swatches, in their order.
    const QList<QToolButton*>& swatches() const { return swatches_; }

signals:
    void colourChanged(std::uint32_t colour);

private:
    void Choose(std::uint32_t colour);
    QWidget* BuildPalette();

    Platform& platform_;
    std::uint32_t automaticColour_;
    std::uint32_t colour_ = 0;
    QAction* automatic_ = nullptr;
    QAction* more_ = nullptr;
    QList<QToolButton*> swatches_;
};
