#include "dialogs/ColorSwatch.h"

#include <QPainter>

namespace morvessa {

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColorSwatch::ShowColor(const QColor& colour)
{
    opaque_ = true;
    fill_ = colour;
    update();
}

void ColorSwatch::ShowTransparent()
{
    opaque_ = false;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), fill_);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace morvessa
