#pragma once
// Draws a board picture with a Qt painter: the one place where shapes become pixels, for the
// view on screen and for any other paint device.

#include <QColor>
#include <QFont>
#include <vector>

#include "shell/PictureShapes.h"

class QPainter;

QColor ToQColor(Colour colour);
// The font a shape asks for: the face by name (fontconfig supplies a metric-compatible face when
// it is missing), its character cell no taller than the height, stretched to the average width.
QFont ToQFont(const FontSpec& asked);

// Replays the shapes in order; the painter's transform places content coordinates.
void PaintPicture(QPainter& painter, const std::vector<Shape>& shapes);
