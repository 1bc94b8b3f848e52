#pragma once

#include "core/monitor/MonitorLooks.h"
#include "core/monitor/Reception.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace vorbix::ui {

// The pop-up window of an active message: a small tool window with the message's text in its
// colours on top and a picture centred in the space below. It lives from the activation to the
// deactivation; the user may close it in between and a re-activation shows it again.
class TMonitorMessageForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMinWidth = 200;
    static constexpr int kMaxWidth = 600;
    static constexpr int kMinHeight = 150;
    static constexpr int kMaxHeight = 200;

    explicit TMonitorMessageForm(QWidget* parent = nullptr);

    // Caption, text, font, colours and picture of the message; a picture file that does not load
    // leaves the default picture.
    void present(const QString& caption, const QString& text, const monitor::MessageLook& look,
                 const QString& picturePath);
    // The label's colours of a blink phase.
    void setColours(const monitor::ShownColours& colours);
    monitor::ShownColours colours() const { return m_colours; }

    // The picture shown when a message names none: 125 x 41 pixels, drawn here.
    static QPixmap defaultPicture();

    QLabel* TextLabel;
    QLabel* Image1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeContents();
    void fitToContents();

    monitor::ShownColours m_colours;
};

} // namespace vorbix::ui
