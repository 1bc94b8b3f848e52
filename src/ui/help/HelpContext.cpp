#include "ui/help/HelpContext.h"

#include <QObject>
#include <QVariant>

namespace vorbix::ui {
namespace {
constexpr const char* kProperty = "helpContext";
}

void setHelpContext(QObject* object, int context)
{
    object->setProperty(kProperty, context);
}

int helpContextOf(const QObject* object)
{
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
        const QVariant v = o->property(kProperty);
        if (v.isValid() && v.toInt() != 0) {
            return v.toInt();
        }
    }
    return 0;
}

} // namespace vorbix::ui
