#include "ui/monitor/TMonitorAddForm.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {

namespace {
constexpr int kBlinkMs = 500;
constexpr int kEdgeDistance = 30;
} // namespace

TMonitorAddForm::TMonitorAddForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_label(named(new QLabel, "Label1")),
      m_ok(named(new QPushButton(QStringLiteral("OK")), "OKButton")),
      m_cancel(named(new QPushButton(QStringLiteral("Cancel")), "StornoButton"))
{
    setObjectName(QStringLiteral("TMonitorAddForm"));
    QFont font = m_label->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    m_label->setFont(font);
    m_label->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        emit okClicked();
        close();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    m_blink.setInterval(kBlinkMs);
    connect(&m_blink, &QTimer::timeout, this, [this] {
        QFont f = m_label->font();
        f.setUnderline(!f.underline());
        m_label->setFont(f);
    });
}

void TMonitorAddForm::FormShow(const PopisType& lang, const QWidget* mainWindow)
{
    setWindowTitle(fromCp(LangText(lang, lang::kMonitorAddCaption)));
    m_label->setText(fromCp(LangText(lang, lang::kMonitorAddLabel)));
    m_ok->setText(okText());
    m_cancel->setText(cancelText());
    adjustSize();
    if (mainWindow != nullptr) {
        const QRect frame = mainWindow->frameGeometry();
        move(frame.left() + frame.width() - kEdgeDistance - width(), frame.top() + kEdgeDistance);
    }
    show();
    raise();
    m_blink.start();
}

void TMonitorAddForm::closeEvent(QCloseEvent* event)
{
    m_blink.stop();
    QFont f = m_label->font();
    f.setUnderline(false);
    m_label->setFont(f);
    event->accept();
    emit closed();
}

} // namespace vorbix::ui
