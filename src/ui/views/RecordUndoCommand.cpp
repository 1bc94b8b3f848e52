#include "ui/views/RecordUndoCommand.h"

namespace vorbix::ui {

RecordUndoCommand::RecordUndoCommand(const QString& text, views::RecordChange change, Put put)
    : QUndoCommand(text), m_change(std::move(change)), m_put(std::move(put))
{
}

void RecordUndoCommand::undo()
{
    m_put(m_change.before);
}

void RecordUndoCommand::redo()
{
    if (m_made) {
        m_made = false;
        return;
    }
    m_put(m_change.after);
}

} // namespace vorbix::ui
