#pragma once

class QObject;

namespace vorbix::ui {

// Help context numbers ride on widgets (and menus) as a property; F1 opens the topic of the focused
// widget or of its nearest parent that carries one.
void setHelpContext(QObject* object, int context);
// The context of the object or its nearest parent; 0 when none carries one.
int helpContextOf(const QObject* object);

} // namespace vorbix::ui
