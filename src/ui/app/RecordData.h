#pragma once

#include "core/model/TDataSet.h"
#include "core/model/TRxFnc.h"

#include <string>

namespace vorbix::ui {

// The records the features share: the receiver memory (the logged-in receiver's device, images and
// record table, or the open data set's), the function definitions of its model, and the data set
// over it. The main window holds it for the whole run; the receiver object writes into the memory.
struct RecordData
{
    // Messages of the definitions and the data set go to `onError`.
    RecordData(const std::string& programFolder, const std::string& definitionFileName, const PopisType& lang,
               const ErrorSink& onError)
        : dataSet(memory, programFolder, lang, onError)
    {
        functions.Folder = programFolder;
        functions.FileName = definitionFileName;
        functions.setMessages(&lang, onError);
    }

    model::ReceiverMemory memory;
    model::TRxFnc functions;
    model::TDataSet dataSet;
};

} // namespace vorbix::ui
