// Monitor mode's per-event and per-tick cost: the reception of one status record over a large setup
// (200 messages of 20 events each) with the refresh of the table of active messages, and the blink
// tick of the table and the pop-up windows with 50 active messages. Runs on the offscreen platform.
#include "core/monitor/Reception.h"
#include "ui/monitor/MessageGrid.h"
#include "ui/monitor/TMonitorMessageForm.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace vorbix;

namespace {

constexpr int kMessages = 200;
constexpr int kEvents = 20;
constexpr int kActive = 50;

std::string serialOf(int message, int event)
{
    char text[8];
    std::snprintf(text, sizeof text, "%05X", message * kEvents + event + 1);
    return text;
}

// 200 messages with 10 Active and 10 Deactive events each, all of different transmitters; the
// first 50 are active, each in its colours, half of them blinking.
struct LargeSetup
{
    monitor::TMonitor setup;
    std::unique_ptr<monitor::Reception> reception;
    std::unique_ptr<ui::MessageTableModel> model;
    std::unique_ptr<ui::MessageGrid> grid;
    PopisType lang = PopisType(310, "Title");

    explicit LargeSetup(bool popups)
    {
        for (int m = 0; m < kMessages; ++m) {
            monitor::TMonitorData message;
            message.Number = m + 1;
            message.Text = "Message " + std::to_string(m + 1);
            message.Colour = m % 7;
            message.Size = 8 + m % 10;
            message.Blink = m % 2 == 0;
            message.ShowWindow = popups;
            for (int e = 0; e < kEvents; ++e) {
                auto& list = e < kEvents / 2 ? message.ActiveEvents : message.DeactiveEvents;
                list.push_back({"X2" + serialOf(m, e), std::string(1, "1248"[e % 4]), 0, {}});
            }
            setup.Messages.push_back(std::move(message));
        }
        monitor::ReceptionHooks hooks;
        hooks.openPopup = [this](int position, const monitor::TSlot& slot) {
            auto* form = new ui::TMonitorMessageForm();
            setup.Messages[static_cast<std::size_t>(position)].Popup = form;
            form->present(QStringLiteral("Message"), QStringLiteral("Text"), setup.NastavPismo(position, "Tahoma"),
                          QString());
            form->move(slot.Left, slot.Top);
            form->show();
        };
        reception = std::make_unique<monitor::Reception>(setup, std::move(hooks));
        reception->setWorkArea({1920, 1080});
        for (int m = 0; m < kActive; ++m) {
            reception->AktivujZpravu(m);
        }
        for (auto& m : setup.Messages) {
            m.Handled = false;
        }
        model = std::make_unique<ui::MessageTableModel>(setup, *reception);
        model->setLanguage(&lang);
        grid = std::make_unique<ui::MessageGrid>(model.get());
        grid->resize(1000, 800);
        grid->show();
        model->refresh();
        QApplication::processEvents();
    }
    ~LargeSetup()
    {
        for (auto& m : setup.Messages) {
            delete static_cast<ui::TMonitorMessageForm*>(m.Popup);
        }
    }
};

// A transmitter no event names: every strictness is tried over every event of every message.
void BM_ReceptionWithoutMatch(benchmark::State& state)
{
    LargeSetup large(false);
    for (auto _ : state) {
        large.reception->Prijem("X2FFFFF", '1');
        large.model->refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ReceptionWithoutMatch)->Unit(benchmark::kMicrosecond);

// The Active event of an active message: a re-activation at the first strictness.
void BM_ReceptionReactivating(benchmark::State& state)
{
    LargeSetup large(false);
    const std::string tx = "X2" + serialOf(kActive - 1, 0);
    for (auto _ : state) {
        large.reception->Prijem(tx, '1');
        large.model->refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ReceptionReactivating)->Unit(benchmark::kMicrosecond);

// One blink tick: the table's colours and the 50 pop-up windows' labels. With the argument 1 the
// tick's painting is included (the table's blinking rows and the blinking windows drawn again).
void BM_BlinkTick(benchmark::State& state)
{
    LargeSetup large(true);
    const bool painted = state.range(0) != 0;
    bool phase = false;
    for (auto _ : state) {
        phase = !phase;
        large.model->blink(phase);
        for (std::size_t p = 0; p < large.setup.Messages.size(); ++p) {
            if (auto* form = static_cast<ui::TMonitorMessageForm*>(large.setup.Messages[p].Popup)) {
                form->setColours(monitor::shownColours(large.setup.NastavPismo(static_cast<int>(p), "Tahoma"), phase));
            }
        }
        if (painted) {
            QApplication::processEvents();
        }
    }
    QApplication::processEvents();
}
BENCHMARK(BM_BlinkTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
