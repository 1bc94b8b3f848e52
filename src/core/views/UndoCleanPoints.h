#pragma once

namespace vorbix::views {

// Where in an undo history the records are as the data file holds them and as the receiver holds
// them, so that undoing back to such a point counts as unchanged again. Steps are counted as the
// undo history counts them: 0 before the first kept change, n after the n-th.
class UndoCleanPoints
{
public:
    // The state of the data set after a change, at `step`: a saved set marks the file's point, a
    // memory that matches the receiver marks the receiver's point.
    void follow(int step, bool fileSaved, bool memoryUnchanged);
    // A new change is about to be kept after `step`: the steps beyond it are gone, and so are the
    // points among them.
    void beforeNewStep(int step);
    // The history was emptied: no point is known until the next `follow`.
    void forget();

    struct Back
    {
        bool file = false;
        bool memory = false;
    };
    // An undo or redo arrived at `step`: which of the two states it brought back.
    Back reached(int step) const { return {step == m_file, step == m_memory}; }

private:
    int m_file = -1;
    int m_memory = -1;
};

} // namespace vorbix::views
