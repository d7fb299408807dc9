#pragma once
// A rectangle shape: a one-pixel black border, filled with a colour when opaque, see-through when
// transparent.

#include <QColor>
#include <QWidget>

namespace morvessa {

class ColorSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    bool IsOpaque() const { return opaque_; }
    QColor FillColor() const { return fill_; }

    // Opaque in `colour` (background style 1).
    void ShowColor(const QColor& colour);
    // See-through (background style 0); the fill colour is kept.
    void ShowTransparent();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool opaque_ = true;
    QColor fill_ = Qt::black;
};

}  // namespace morvessa
