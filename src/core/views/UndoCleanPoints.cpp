#include "core/views/UndoCleanPoints.h"

namespace vorbix::views {

void UndoCleanPoints::follow(int step, bool fileSaved, bool memoryUnchanged)
{
    if (fileSaved) {
        m_file = step;
    }
    if (memoryUnchanged) {
        m_memory = step;
    }
}

void UndoCleanPoints::beforeNewStep(int step)
{
    if (m_file > step) {
        m_file = -1;
    }
    if (m_memory > step) {
        m_memory = -1;
    }
}

void UndoCleanPoints::forget()
{
    m_file = -1;
    m_memory = -1;
}

} // namespace vorbix::views
