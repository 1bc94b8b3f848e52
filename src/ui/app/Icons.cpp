#include "ui/app/Icons.h"

#include <QImageReader>

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

// The shipped picture: the SVG where Qt reads SVG, else its PNG renderings in the given sizes.
QIcon shippedIcon(const QString& name, std::initializer_list<int> sizes)
{
    if (svgReadable()) {
        return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
    }
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/png/%1-%2.png").arg(name).arg(size), QSize(size, size));
    }
    return icon;
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
    return shippedIcon(QString::fromLatin1(shipped), {24, 48});
}

QIcon appIcon()
{
    if (svgReadable()) {
        return QIcon(QStringLiteral(":/vorbix.svg"));
    }
    return shippedIcon(QStringLiteral("vorbix"), {16, 32, 48, 64, 128, 256});
}

} // namespace vorbix::ui
