#pragma once

#include <QProxyStyle>

namespace vorbix::ui {

// How the grids' title rows draw, on top of the application's style:
// - Qt hands an ascending header a "sort down" indicator, which most styles draw as a downward
//   arrow; users of desktop tables expect the arrow to point up for ascending order (smallest at
//   the top), so the two indicators are swapped.
// - A title wider than its column is clipped at both ends by the styles (it is centred); here it
//   keeps its start and ends in "...", as the cells do.
class HeaderStyle : public QProxyStyle
{
    Q_OBJECT
public:
    HeaderStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace vorbix::ui
