#pragma once

#include "core/model/TData.h"

#include <functional>
#include <string>

namespace vorbix::views {

// The rows of a shown record view, as the last-transmitter lookup reads them.
struct ShownRows
{
    int rowCount = 0;
    std::function<int(int row)> slotOfRow;       // slot number from 1
    const model::RecordTable* records = nullptr; // indexed by slot number; element 0 is unused
};

// The last row whose record has the serial digits `serial` and the button `button`; -1 when there
// is none. On-line mode offers Add for a transmitter no shown table holds yet.
int LastRowOfTransmitter(const ShownRows& rows, const std::string& serial, const std::string& button);

} // namespace vorbix::views
