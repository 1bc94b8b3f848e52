// The Edit menu's record commands: add, edit and delete.
#include "core/app/StatusView.h"
#include "core/base/TextNumbers.h"
#include "core/views/RecordCommands.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordUndoCommand.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/views/TEditForm.h"
#include "ui/widgets/QtText.h"

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
    m_clean.beforeNewStep(m_undo->index());
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
    bool used = false;
    undoable(lang::kMenuAdd, [&] {
        used = views::finishAdd(record);
        memory.Records[static_cast<std::size_t>(slot)] = record;
        if (used) {
            shell().records().dataSet.markEdited(); // rebuilds the views
        } else {
            RebuildViews();
        }
    });
    if (used) {
        selectSlot(slot);
    }
    return true;
}

void RecordViewsFeature::MenuAdd()
{
    model::ReceiverMemory& memory = shell().records().memory;
    int slot = 0;
    if (!views::prepareAddSlot(memory.Device, memory.Records, slot, shell().lang(),
                               [this](const std::string& m) { showError(m); })) {
        return;
    }
    (void)addInSlot(slot);
}

void RecordViewsFeature::AddTransmitter(const QString& transmitter, const QString& button)
{
    model::ReceiverMemory& memory = shell().records().memory;
    int slot = 0;
    if (!views::prepareAddLastTx(memory.Device, memory.Records, slot, toCp(transmitter), toCp(button), shell().lang(),
                                 [this](const std::string& m) { showError(m); })) {
        return;
    }
    if (addInSlot(slot)) {
        emit transmitterAdded();
    } // a cancelled dialog leaves Add offered for another try
}

void RecordViewsFeature::SelectLastTransmitter(const QString& serial, const QString& button)
{
    if (!shell().settings().FindLast) {
        return;
    }
    const RecordData& records = shell().records();
    const std::pair<RecordGrid*, const views::GridText*> shown[] = {{m_views->memGrid(), &records.memoryView},
                                                                    {m_views->userGrid(), &records.userView}};
    for (const auto& [grid, view] : shown) {
        if (view->rowCount() > 0) {
            if (const int row = records.rowOfTransmitter(*view, toCp(serial), toCp(button)); row >= 0) {
                grid->selectRow(row);
            }
        }
    }
}

void RecordViewsFeature::selectSlot(int slot)
{
    RecordViews& views = *m_views;
    const std::pair<RecordGrid*, int> shown[] = {{views.memGrid(), views.memoryView().rowOfSlot(slot)},
                                                 {views.userGrid(), views.userView().rowOfSlot(slot)}};
    for (const auto& [grid, row] : shown) {
        if (!grid->isHidden() && row >= 0) {
            grid->selectRow(row); // and scrolls it into view
        }
    }
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
