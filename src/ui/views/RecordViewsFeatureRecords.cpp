// The Edit menu's record commands: add, edit and delete.
#include "core/app/StatusView.h"
#include "core/base/TextNumbers.h"
#include "core/views/LastTransmitter.h"
#include "core/views/RecordCommands.h"
#include "ui/app/OnlinePanel.h"
#include "ui/app/QtText.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordUndoCommand.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/views/TEditForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

namespace vorbix::ui {

RecordGrid* RecordViewsFeature::activeRecordGrid() const
{
    const app::Page page = shell().currentPage();
    if (page == app::Page::Memory && !m_views->memGrid()->isHidden()) {
        return m_views->memGrid();
    }
    if (page == app::Page::User && !m_views->userGrid()->isHidden()) {
        return m_views->userGrid();
    }
    return nullptr;
}

void RecordViewsFeature::undoable(int text, const std::function<void()>& change)
{
    model::RecordTable& table = shell().records().memory.Records;
    const model::RecordTable before = table;
    m_changingRecords = true;
    change();
    m_changingRecords = false;
    views::RecordChange made = views::changedRecords(before, table);
    if (made.empty()) {
        return;
    }
    QString name = fromCp(LangText(shell().lang(), text));
    name.remove(QLatin1Char('&'));
    name.remove(QStringLiteral("..."));
    m_undo->push(
        new RecordUndoCommand(name.trimmed(), std::move(made), [this](const auto& records) { putRecords(records); }));
}

void RecordViewsFeature::putRecords(const std::vector<std::pair<int, model::TData>>& records)
{
    views::putRecords(shell().records().memory.Records, records);
    m_changingRecords = true;
    shell().records().dataSet.markEdited(); // rebuilds the views
    m_changingRecords = false;
}

void RecordViewsFeature::MenuEdit()
{
    model::ReceiverMemory& memory = shell().records().memory;
    RecordGrid* grid = activeRecordGrid();
    if (!grid) {
        return;
    }
    const std::vector<int> slotNumbers = m_views->selectedSlots(grid);
    undoable(lang::kMenuEdit, [&] {
        bool edited = false;
        for (int slot : slotNumbers) {
            model::TData record = memory.Records[static_cast<std::size_t>(slot)];
            if (!m_editForm->edit(record, shell().programFolder(), memory.Device, shell().settings().userTitles)) {
                break;
            }
            memory.Records[static_cast<std::size_t>(slot)] = record;
            edited = true;
        }
        if (edited) {
            shell().records().dataSet.markEdited(); // rebuilds the views
        } else {
            RebuildViews();
        }
    });
}

bool RecordViewsFeature::addInSlot(int slot)
{
    model::ReceiverMemory& memory = shell().records().memory;
    model::TData record = memory.Records[static_cast<std::size_t>(slot)];
    if (!m_editForm->edit(record, shell().programFolder(), memory.Device, shell().settings().userTitles)) {
        return false;
    }
    undoable(lang::kMenuAdd, [&] {
        const bool used = views::finishAdd(record);
        memory.Records[static_cast<std::size_t>(slot)] = record;
        if (used) {
            shell().records().dataSet.markEdited(); // rebuilds the views
        } else {
            RebuildViews();
        }
    });
    return true;
}

void RecordViewsFeature::MenuAdd()
{
    if (shell().currentPage() == app::Page::Monitor) {
        return; // the monitor page adds a message instead
    }
    model::ReceiverMemory& memory = shell().records().memory;
    int slot = 0;
    if (!views::prepareAddSlot(memory.Device, memory.Records, slot, shell().lang(),
                               [this](const std::string& m) { showError(m); })) {
        return;
    }
    (void)addInSlot(slot);
}

void RecordViewsFeature::BtnAddClick()
{
    model::ReceiverMemory& memory = shell().records().memory;
    const OnlinePanel& panel = *shell().onlinePanel();
    int slot = 0;
    if (!views::prepareAddLastTx(memory.Device, memory.Records, slot, toCp(panel.EditLastTx->text()),
                                 toCp(panel.EditLastBtn->text()), shell().lang(),
                                 [this](const std::string& m) { showError(m); })) {
        return;
    }
    if (addInSlot(slot)) {
        panel.BtnAdd->setEnabled(false);
    } // a cancelled dialog leaves the button enabled for another try
}

void RecordViewsFeature::ShowLastTransmitter(const QString& serial, const QString& button)
{
    const std::string serialCp = toCp(serial);
    const std::string buttonCp = toCp(button);
    RecordData& records = shell().records();
    bool offerAdd = false;
    const auto look = [&](RecordGrid* grid, const views::ShownRows& rows) {
        const int row = views::LastRowOfTransmitter(rows, serialCp, buttonCp);
        if (row < 0) {
            offerAdd = true;
        } else if (shell().settings().FindLast) {
            grid->selectRow(row);
        }
    };
    const views::MemoryView& memoryView = m_views->memoryView();
    if (!m_views->MemoryViewEmpty()) {
        look(m_views->memGrid(),
             {memoryView.rowCount(), [&](int row) { return memoryView.slotOfRow(row); }, &records.memory.Records});
    }
    const views::UserView& userView = m_views->userView();
    if (!m_views->UserViewEmpty()) {
        look(m_views->userGrid(),
             {userView.rowCount(), [&](int row) { return userView.slotOfRow(row); }, &records.memory.Records});
    }
    // Add is offered only for a transmitter no table holds: adding one that is there would learn
    // the same button into a second slot, whatever the layout.
    if (m_views->MemoryViewEmpty() && m_views->UserViewEmpty()) {
        offerAdd = true;
    }
    shell().onlinePanel()->BtnAdd->setEnabled(offerAdd);
}

void RecordViewsFeature::MenuDelete()
{
    model::ReceiverMemory& memory = shell().records().memory;
    RecordGrid* grid = activeRecordGrid();
    if (!grid) {
        return;
    }
    const std::vector<int> slotNumbers = m_views->selectedSlots(grid);
    undoable(lang::kMenuDelete, [&] {
        views::deleteSlots(memory.Device, memory.Records, slotNumbers);
        shell().records().dataSet.markEdited(); // rebuilds the views
    });
}

} // namespace vorbix::ui
