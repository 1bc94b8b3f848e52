#include "ui/monitor/TMonitorMessageForm.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vorbix::ui {
namespace {

constexpr int kBorder = 3;

QColor rgb(std::uint32_t colour)
{
    return QColor::fromRgb(static_cast<QRgb>(colour));
}

} // namespace

TMonitorMessageForm::TMonitorMessageForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      TextLabel(new QLabel(this)), Image1(new QLabel(this))
{
    setObjectName(QStringLiteral("TMonitorMessageForm"));
    // Closing only hides the window: a re-activation shows it again, a deactivation discards it.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    TextLabel->setObjectName(QStringLiteral("TextLabel"));
    TextLabel->setAutoFillBackground(true);
    TextLabel->setMargin(4);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(defaultPicture());
    Image1->resize(Image1->pixmap().size());
}

QPixmap TMonitorMessageForm::defaultPicture()
{
    // A warning sign beside three sound waves on a light panel: "alarm", without words.
    QPixmap picture(125, 41);
    picture.fill(QColor(0xF4, 0xF4, 0xF0));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.drawRect(QRectF(0.5, 0.5, 124, 40));
    QPainterPath triangle;
    triangle.moveTo(40, 5);
    triangle.lineTo(60, 36);
    triangle.lineTo(20, 36);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xC8, 0x00));
    p.drawPath(triangle);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(38.5, 14, 3, 12), 1.5, 1.5);
    p.drawEllipse(QPointF(40, 30.5), 1.8, 1.8);
    p.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 3; ++wave) {
        p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2.5 - 0.5 * wave, Qt::SolidLine, Qt::RoundCap));
        const qreal r = 8 + 7 * wave;
        p.drawArc(QRectF(70 - r, 21 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    return picture;
}

void TMonitorMessageForm::present(const QString& caption, const QString& text, const monitor::MessageLook& look,
                                  const QString& picturePath)
{
    setWindowTitle(caption);
    QFont font(QString::fromStdString(look.FontName));
    font.setPointSize(std::max(1, look.FontSize));
    TextLabel->setFont(font);
    TextLabel->setText(text);
    setColours({look.BackColour, look.TextColour});
    QPixmap picture;
    if (!picturePath.isEmpty() && QFileInfo::exists(picturePath)) {
        (void)picture.load(picturePath);
    }
    Image1->setPixmap(picture.isNull() ? defaultPicture() : picture);
    Image1->resize(Image1->pixmap().size());
    fitToContents();
    placeContents();
}

void TMonitorMessageForm::setColours(const monitor::ShownColours& colours)
{
    // Every blink tick comes here for every window; only a blinking one changes.
    if (colours == m_colours && TextLabel->autoFillBackground()) {
        return;
    }
    m_colours = colours;
    QPalette palette = TextLabel->palette();
    palette.setColor(QPalette::Window, rgb(colours.background));
    palette.setColor(QPalette::WindowText, rgb(colours.text));
    TextLabel->setPalette(palette);
    TextLabel->update();
}

void TMonitorMessageForm::fitToContents()
{
    const QSize label = TextLabel->sizeHint();
    const QSize picture = Image1->size();
    const int width = std::clamp(std::max(label.width(), picture.width()) + 2 * kBorder, kMinWidth, kMaxWidth);
    const int height = std::clamp(label.height() + picture.height() + 4 * kBorder, kMinHeight, kMaxHeight);
    resize(width, height);
}

void TMonitorMessageForm::placeContents()
{
    // The label spans the window; the picture stands under its middle, in the middle of the space
    // below it.
    const int labelHeight = TextLabel->sizeHint().height();
    TextLabel->setGeometry(0, 0, width(), labelHeight);
    const QSize picture = Image1->size();
    const int left = TextLabel->x() + TextLabel->width() / 2 - picture.width() / 2;
    const int top = (height() + TextLabel->y() + labelHeight) / 2 - picture.height() / 2;
    Image1->move(left, top);
}

void TMonitorMessageForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeContents();
}

void TMonitorMessageForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeContents();
}

} // namespace vorbix::ui
