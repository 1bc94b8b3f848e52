#pragma once

#include <QProxyStyle>

namespace vorbix::ui {

// Qt hands an ascending header a "sort down" indicator, which most styles draw as a downward arrow;
// users of desktop tables expect the arrow to point up for ascending order (smallest at the top).
// This style swaps the two indicators and leaves everything else to the application's style.
class SortArrowStyle : public QProxyStyle
{
    Q_OBJECT
public:
    SortArrowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace vorbix::ui
