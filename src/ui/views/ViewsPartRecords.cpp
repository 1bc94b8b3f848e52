// The Edit menu's record commands: add, edit and delete.
#include "core/app/StatusView.h"
#include "core/views/RecordCommands.h"
#include "ui/app/OnlinePanel.h"
#include "ui/app/QtText.h"
#include "ui/app/TMainForm.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/TEditForm.h"
#include "ui/views/ViewsPart.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace vorbix::ui {

RecordGrid* ViewsPart::activeRecordGrid() const
{
    const auto page = static_cast<app::Page>(m_window.pageControl()->currentIndex());
    if (page == app::Page::Memory && !m_views->memGrid()->isHidden()) {
        return m_views->memGrid();
    }
    if (page == app::Page::User && !m_views->userGrid()->isHidden()) {
        return m_views->userGrid();
    }
    return nullptr;
}

void ViewsPart::MenuEdit()
{
    RecordGrid* grid = activeRecordGrid();
    if (!grid) {
        return;
    }
    const std::vector<int> slotNumbers = m_views->selectedSlots(grid);
    bool edited = false;
    for (int slot : slotNumbers) {
        model::TData record = m_memory.Records[static_cast<std::size_t>(slot)];
        if (!m_editForm->edit(record, m_window.programFolder(), m_memory.Device.Relays,
                              m_window.settings().userTitles)) {
            break;
        }
        m_memory.Records[static_cast<std::size_t>(slot)] = record;
        edited = true;
    }
    if (edited) {
        m_dataSet->markEdited(); // rebuilds the views
    } else {
        RebuildViews();
    }
}

void ViewsPart::MenuAdd()
{
    int slot = 0;
    if (!views::prepareAddSlot(m_memory.Device, m_memory.Records, slot, m_window.lang(),
                               [this](const std::string& m) { showError(m); })) {
        return;
    }
    model::TData record = m_memory.Records[static_cast<std::size_t>(slot)];
    if (!m_editForm->edit(record, m_window.programFolder(), m_memory.Device.Relays, m_window.settings().userTitles)) {
        return;
    }
    const bool used = views::finishAdd(record);
    m_memory.Records[static_cast<std::size_t>(slot)] = record;
    if (used) {
        m_dataSet->markEdited(); // rebuilds the views
    } else {
        RebuildViews();
    }
}

void ViewsPart::BtnAddClick()
{
    const OnlinePanel& panel = *m_window.onlinePanel();
    int slot = 0;
    if (!views::prepareAddLastTx(m_memory.Device, m_memory.Records, slot, toCp(panel.EditLastTx->text()),
                                 toCp(panel.EditLastBtn->text()), m_window.lang(),
                                 [this](const std::string& m) { showError(m); })) {
        return;
    }
    model::TData record = m_memory.Records[static_cast<std::size_t>(slot)];
    if (!m_editForm->edit(record, m_window.programFolder(), m_memory.Device.Relays, m_window.settings().userTitles)) {
        return; // the button stays enabled for another try
    }
    const bool used = views::finishAdd(record);
    m_memory.Records[static_cast<std::size_t>(slot)] = record;
    if (used) {
        m_dataSet->markEdited(); // rebuilds the views
    } else {
        RebuildViews();
    }
    panel.BtnAdd->setEnabled(false);
}

void ViewsPart::MenuDelete()
{
    RecordGrid* grid = activeRecordGrid();
    if (!grid) {
        return;
    }
    views::deleteSlots(m_memory.Device, m_memory.Records, m_views->selectedSlots(grid));
    m_dataSet->markEdited(); // rebuilds the views
}

} // namespace vorbix::ui
