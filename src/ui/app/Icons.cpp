#include "ui/app/Icons.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// Resource initialisation lives in the global namespace.
static void initVorbixResources()
{
    Q_INIT_RESOURCE(vorbix);
}

namespace vorbix::ui {
namespace {

bool svgReadable()
{
    static const bool readable = QImageReader::supportedImageFormats().contains("svg");
    return readable;
}

// The shipped picture painted by hand, for platforms without an SVG reader.
QPixmap paintedAppIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x4f, 0x91));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    QPen white(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 16, 40, 40), 45 * 16, 90 * 16);
    p.drawArc(QRectF(20, 24, 24, 24), 45 * 16, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd5, 0x4a));
    p.drawEllipse(QPointF(32, 34), 4, 4);
    white.setWidthF(5);
    p.setPen(white);
    QPainterPath chevron;
    chevron.moveTo(17, 40);
    chevron.lineTo(32, 56);
    chevron.lineTo(47, 40);
    p.drawPath(chevron);
    return pixmap;
}

} // namespace

void initIconResources()
{
    static bool done = false;
    if (!done) {
        initVorbixResources();
        done = true;
    }
}

QIcon toolIcon(const char* themeName, const char* shipped)
{
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(themeName));
    if (!icon.isNull()) {
        return icon;
    }
    if (svgReadable()) {
        return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(shipped)));
    }
    return {};
}

QIcon appIcon()
{
    if (svgReadable()) {
        return QIcon(QStringLiteral(":/vorbix.svg"));
    }
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(paintedAppIcon(size));
    }
    return icon;
}

} // namespace vorbix::ui
