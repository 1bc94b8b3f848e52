#pragma once

#include "core/views/RecordChanges.h"

#include <QUndoCommand>
#include <functional>

namespace vorbix::ui {

// One step of the Edit menu's undo history: the slots an add, edit, delete or comment import
// changed. The change has already been made when the step is pushed, so the first redo (which
// QUndoStack::push runs) does nothing.
class RecordUndoCommand : public QUndoCommand
{
public:
    using Put = std::function<void(const std::vector<std::pair<int, model::TData>>&)>;

    RecordUndoCommand(const QString& text, views::RecordChange change, Put put);

    void undo() override;
    void redo() override;

private:
    views::RecordChange m_change;
    Put m_put;
    bool m_made = true;
};

} // namespace vorbix::ui
