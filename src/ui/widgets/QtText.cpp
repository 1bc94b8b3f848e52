#include "ui/widgets/QtText.h"

#include "core/text/Cp1250.h"

namespace vorbix::ui {

QString fromCp(std::string_view cp1250Text)
{
    const std::string utf8 = cp1250::toUtf8(cp1250Text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp(const QString& text)
{
    return cp1250::fromUtf8(text.toStdString());
}

} // namespace vorbix::ui
