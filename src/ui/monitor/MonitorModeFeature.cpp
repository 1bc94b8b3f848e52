#include "ui/monitor/MonitorModeFeature.h"

#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "core/text/TextFile.h"
#include "ui/app/MainActions.h"
#include "ui/app/MonitorSetup.h"
#include "ui/app/Shell.h"
#include "ui/app/SoundPlayer.h"
#include "ui/monitor/MessageGrid.h"
#include "ui/monitor/TMonitorMessageForm.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

constexpr int kBlinkMilliseconds = 500;

TMonitorMessageForm* formOf(const monitor::TMonitorData& m)
{
    return static_cast<TMonitorMessageForm*>(m.Popup);
}

} // namespace

MonitorModeFeature::MonitorModeFeature(Shell& shell) : Feature(shell), m_setup(&shell.monitorSetup().data)
{
    m_reception = std::make_unique<monitor::Reception>(*m_setup, hooks());
    m_journal = std::make_unique<monitor::MonitorJournal>(
        text::joinPath(shell.programFolder(), monitor::MonitorJournal::kFileName), [this](const std::string& message) {
            // Shown once; monitoring goes on without the journal.
            this->shell().showStatusMessage(fromCp(message));
        });
    m_blinkTimer.setInterval(kBlinkMilliseconds);
    connect(&m_blinkTimer, &QTimer::timeout, this, &MonitorModeFeature::BlinkTimerTimer);
    buildPanel();
}

MonitorModeFeature::~MonitorModeFeature()
{
    for (monitor::TMonitorData& m : m_setup->Messages) {
        delete formOf(m);
        m.Popup = nullptr;
    }
    delete m_linkPopup;
}

void MonitorModeFeature::buildPanel()
{
    // The message view, which the shell shows alone in the monitor layout.
    auto* panel = new QWidget(shell().mainWindow());
    panel->setObjectName(QStringLiteral("MessageView"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* strip = new QWidget(panel);
    strip->setObjectName(QStringLiteral("MessageClearPanel"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 4, 6, 4);
    m_selectAll = new QCheckBox(QStringLiteral("Select All"), strip);
    m_selectAll->setObjectName(QStringLiteral("MessageClearBox1"));
    m_deactive = new QPushButton(QStringLiteral("Deactive"), strip);
    m_deactive->setObjectName(QStringLiteral("MessageClearButton"));
    m_exit = new QPushButton(QStringLiteral("Exit"), strip);
    m_exit->setObjectName(QStringLiteral("MonitorEndButton"));
    m_silence = new QPushButton(QStringLiteral("Silence"), strip);
    m_silence->setObjectName(QStringLiteral("MessageSilenceButton"));
    row->addWidget(m_selectAll);
    row->addSpacing(12);
    row->addWidget(m_deactive);
    row->addSpacing(12);
    row->addWidget(m_silence);
    row->addStretch(1);
    row->addWidget(m_exit);

    m_model = new MessageTableModel(*m_setup, *m_reception, this);
    m_grid = new MessageGrid(m_model, panel);
    m_grid->keepWidths(shell().settings(), "MessageGrid");
    column->addWidget(strip);
    column->addWidget(m_grid);
    shell().setMessageView(panel);

    connect(m_selectAll, &QCheckBox::clicked, this, &MonitorModeFeature::MessageClearBox1Click);
    connect(m_deactive, &QPushButton::clicked, this, &MonitorModeFeature::MessageClearButtonClick);
    connect(m_exit, &QPushButton::clicked, this, &MonitorModeFeature::MonitorEndButtonClick);
    connect(m_silence, &QPushButton::clicked, this, &MonitorModeFeature::Silence);
    connect(m_grid, &MessageGrid::tickPressed, this, [this](int tickedRow) {
        if (m_reception->TickRow(tickedRow)) {
            m_selectAll->setChecked(m_reception->selectAllTicked());
            m_model->marksChanged();
        }
    });
}

monitor::ReceptionHooks MonitorModeFeature::hooks()
{
    monitor::ReceptionHooks h;
    h.closeTransients = [this] { closeTransients(); };
    h.sound = [this](const monitor::SoundRequest& request) {
        shell().sounds().request(request.code, fromCp(request.file));
    };
    h.bringToFront = [this] { bringToFront(); };
    h.openPopup = [this](int position, const monitor::TSlot& slot) { openPopup(position, slot); };
    h.reshowPopup = [this](int position) { reshowPopup(position); };
    h.closePopup = [this](int position) { closePopup(position); };
    h.changed = [this](const monitor::Change& change) { changed(change); };
    return h;
}

void MonitorModeFeature::connectActions(MainActions& actions)
{
    if (QAction* action = actions.action(QStringLiteral("MenuMonitor"))) {
        connect(action, &QAction::triggered, this, &MonitorModeFeature::MenuMonitorClick);
    }
    m_silenceAction = actions.action(QStringLiteral("MenuSilence"));
    if (m_silenceAction != nullptr) {
        connect(m_silenceAction, &QAction::triggered, this, &MonitorModeFeature::Silence);
    }
}

void MonitorModeFeature::applyLanguage(const PopisType& lang)
{
    m_model->setLanguage(&lang);
    m_selectAll->setText(fromCp(LangText(lang, lang::kMonitorSelectAll)));
    m_deactive->setText(fromCp(LangText(lang, lang::kMonitorDeactiveButton)));
    m_exit->setText(fromCp(LangText(lang, lang::kMonitorExit)));
    m_silence->setText(fromCp(LangText(lang, lang::kMonitorSilence)));
    m_model->headerDataChanged(Qt::Horizontal, 0, MessageTableModel::ColumnCount - 1);
}

void MonitorModeFeature::settingsLoaded()
{
    m_grid->loadWidths();
}

void MonitorModeFeature::firstActivation(const app::ActivationPlan& plan)
{
    if (plan.monitor) {
        MenuMonitorClick();
    }
}

void MonitorModeFeature::closeSteps()
{
    m_blinkTimer.stop();
    shell().sounds().request(0);
}

bool MonitorModeFeature::inMonitorMode() const
{
    return shell().inMonitorLayout();
}

TMonitorMessageForm* MonitorModeFeature::popupOf(int position) const
{
    if (position < 0 || static_cast<std::size_t>(position) >= m_setup->Messages.size()) {
        return nullptr;
    }
    return formOf(m_setup->Messages[static_cast<std::size_t>(position)]);
}

void MonitorModeFeature::MenuMonitorClick()
{
    app::ShellState& state = shell().state();
    if (!inMonitorMode()) {
        if (!state.LoggedIn) {
            emit loginNeeded();
            if (!state.LoggedIn) {
                return;
            }
        }
        m_setup->OnlineBefore = state.OnLine;
        if (!state.OnLine) {
            emit onlineStartNeeded();
        }
        if (!state.OnLine) {
            return;
        }
        setModeControls(true);
        m_blinkTimer.start();
        MessageGridRefresh();
        // On-line mode was already waiting for a lost link: the console must say so at once.
        if (!m_linkAnswering) {
            m_reception->LinkLost(LangText(shell().lang(), lang::kMonitorLinkLost));
        }
        shell().RefreshStatus();
        return;
    }
    if (!state.AdminRights) {
        // The operator may not reach the rest of the program: leaving ends it, with its questions.
        shell().mainWindow()->close();
        return;
    }
    if (!m_setup->OnlineBefore) {
        emit onlineStopNeeded();
    }
    setModeControls(false);
    m_blinkTimer.stop();
    // Without on-line mode nothing watches the link: the alarm's window goes, its row waits (hidden)
    // for the link to answer at the next start.
    if (!state.OnLine && m_linkPopup != nullptr) {
        m_linkPopup->hide();
    }
    shell().RefreshStatus();
}

void MonitorModeFeature::setModeControls(bool monitorMode)
{
    if (monitorMode) {
        shell().enterMonitorLayout();
    } else {
        shell().leaveMonitorLayout();
    }
    if (m_silenceAction != nullptr) {
        m_silenceAction->setEnabled(monitorMode);
    }
}

void MonitorModeFeature::MonitorEndButtonClick()
{
    m_selectAll->setChecked(true);
    MessageClearBox1Click(true);
    MessageClearButtonClick();
    MenuMonitorClick();
}

void MonitorModeFeature::MessageClearBox1Click(bool ticked)
{
    m_reception->SelectAll(ticked);
    m_model->marksChanged();
}

void MonitorModeFeature::MessageClearButtonClick()
{
    m_reception->Deactive();
    m_selectAll->setChecked(false);
    MessageGridRefresh();
}

void MonitorModeFeature::Silence()
{
    if (inMonitorMode()) {
        m_reception->Silence();
    }
}

void MonitorModeFeature::MessageGridRefresh()
{
    m_model->setFontName(fromCp(shell().settings().MonitorFont));
    m_model->refresh();
}

void MonitorModeFeature::ReceiveStatus(const QString& txCode, const QString& buttonCode, bool /*lowBatt*/,
                                       bool /*inReceiver*/, const QDateTime& /*time*/)
{
    // Only monitor mode receives: events while it is off are not alarms.
    if (!inMonitorMode() || buttonCode.isEmpty()) {
        return;
    }
    updateWorkArea();
    m_reception->Prijem(toCp(txCode), toCp(buttonCode.left(1))[0]);
    MessageGridRefresh();
    raisePopups();
}

void MonitorModeFeature::ReceiverLinkChanged(bool answering)
{
    m_linkAnswering = answering;
    if (answering) {
        m_reception->LinkRestored(LangText(shell().lang(), lang::kMonitorLinkRestored));
    } else if (inMonitorMode()) {
        m_reception->LinkLost(LangText(shell().lang(), lang::kMonitorLinkLost));
    }
}

void MonitorModeFeature::showLinkAlarm(const monitor::Change& change)
{
    m_model->setFontName(fromCp(shell().settings().MonitorFont));
    m_model->showLinkAlarm(fromCp(change.text), change.time);
    m_grid->fitTextOf(m_model->linkAlarmRow());
    m_grid->scrollToBottom();
    if (m_linkPopup == nullptr) {
        m_linkPopup = new TMonitorMessageForm(shell().mainWindow());
    }
    m_linkPopup->present(QStringLiteral("Vorbix"), fromCp(change.text),
                         monitor::linkAlarmLook(shell().settings().MonitorFont), QString());
    m_linkPopup->show();
    // Where the next message's window would stand: no event can open one while the link is lost.
    updateWorkArea();
    const monitor::TSlot slot = m_reception->freeSlot();
    m_linkPopup->move(m_workAreaOrigin + QPoint(slot.Left, slot.Top));
    m_linkPopup->raise();
    bringToFront();
}

void MonitorModeFeature::clearLinkAlarm()
{
    m_model->clearLinkAlarm();
    if (m_linkPopup != nullptr) {
        m_linkPopup->hide();
        m_linkPopup->deleteLater();
        m_linkPopup = nullptr;
    }
}

void MonitorModeFeature::updateWorkArea()
{
    const QScreen* screen = shell().mainWindow()->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    m_workAreaOrigin = area.topLeft();
    m_reception->setWorkArea({area.width(), area.height()});
}

void MonitorModeFeature::raisePopups()
{
    // The most recently activated message's window ends on top.
    for (const monitor::ActiveRow& row : m_reception->rows()) {
        if (TMonitorMessageForm* form = popupOf(row.position)) {
            if (form->isVisible()) {
                form->raise();
            }
        }
    }
}

void MonitorModeFeature::openPopup(int position, const monitor::TSlot& slot)
{
    monitor::TMonitorData& m = m_setup->Messages[static_cast<std::size_t>(position)];
    auto* form = new TMonitorMessageForm(shell().mainWindow());
    m.Popup = form;
    reshowPopup(position);
    form->move(m_workAreaOrigin + QPoint(slot.Left, slot.Top));
}

void MonitorModeFeature::reshowPopup(int position)
{
    const monitor::TMonitorData& m = m_setup->Messages[static_cast<std::size_t>(position)];
    TMonitorMessageForm* form = formOf(m);
    if (form == nullptr) {
        return;
    }
    const monitor::MessageLook look = m_setup->NastavPismo(position, shell().settings().MonitorFont);
    form->present(fromCp(LangText(shell().lang(), lang::kMonitorMessage)) + QLatin1Char(' ') +
                      QString::number(position + 1),
                  fromCp(m.Text), look, fromCp(m.Picture));
    form->show();
}

void MonitorModeFeature::closePopup(int position)
{
    monitor::TMonitorData& m = m_setup->Messages[static_cast<std::size_t>(position)];
    if (TMonitorMessageForm* form = formOf(m)) {
        form->hide();
        form->deleteLater();
    }
    m.Popup = nullptr;
}

void MonitorModeFeature::bringToFront()
{
    QWidget* window = shell().mainWindow();
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}

void MonitorModeFeature::closeTransients()
{
    // Our own menus and the dialog on top would hide the alarm; they close as an Escape would close
    // them. Other programs are left alone.
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close()) {
            break;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
    }
}

void MonitorModeFeature::changed(const monitor::Change& change)
{
    // The operator's own acts name the operator.
    const bool byOperator =
        change.kind == monitor::ChangeKind::Acknowledge || change.kind == monitor::ChangeKind::Silence;
    m_journal->append(change, byOperator ? m_user : std::string());
    if (change.kind == monitor::ChangeKind::LinkLost) {
        showLinkAlarm(change);
    } else if (change.kind == monitor::ChangeKind::LinkRestored) {
        clearLinkAlarm();
    }
}

void MonitorModeFeature::BlinkTimerTimer()
{
    m_setup->BlinkPhase = !m_setup->BlinkPhase;
    if (inMonitorMode()) {
        m_model->blink(m_setup->BlinkPhase);
    }
    for (std::size_t p = 0; p < m_setup->Messages.size(); ++p) {
        if (TMonitorMessageForm* form = formOf(m_setup->Messages[p])) {
            const monitor::MessageLook look = m_setup->NastavPismo(static_cast<int>(p), shell().settings().MonitorFont);
            form->setColours(monitor::shownColours(look, m_setup->BlinkPhase));
        }
    }
    if (m_linkPopup != nullptr) {
        m_linkPopup->setColours(
            monitor::shownColours(monitor::linkAlarmLook(shell().settings().MonitorFont), m_setup->BlinkPhase));
    }
}

} // namespace vorbix::ui
