#pragma once

#include "core/model/TDataSet.h"
#include "core/model/TRxFnc.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

#include <QObject>
#include <string>

namespace vorbix::ui {

// The records the features share: the receiver memory (the logged-in receiver's device, images and
// record table, or the open data set's), the function definitions of its model, the data set over
// it, and the two views of the record table the memory and file pages show. The main window holds
// it for the whole run; the receiver object writes into the memory. It announces its changes:
// features subscribe when they are built.
class RecordData : public QObject
{
    Q_OBJECT
public:
    // Messages of the definitions and the data set go to `onError`.
    RecordData(const std::string& programFolder, const std::string& definitionFileName, const PopisType& lang,
               const ErrorSink& onError, QObject* parent = nullptr);

    model::ReceiverMemory memory;
    model::TRxFnc functions;
    model::TDataSet dataSet;
    // Empty while their page shows no records.
    views::MemoryView memoryView;
    views::UserView userView;

    // Whether a view that shows records holds the transmitter (serial digits, button code); false
    // as well when neither view shows any record.
    bool holdsTransmitter(const std::string& serial, const std::string& button) const;
    // The row of the view that holds the transmitter last; -1 when it does not.
    int rowOfTransmitter(const views::GridText& view, const std::string& serial, const std::string& button) const;

    // The link replaced the receiver memory or the login state changed (download, upload, login,
    // logout).
    void announceReplaced() { emit replaced(); }
    // The receiver is about to be logged out: its memory view goes next.
    void announceLoggingOut() { emit loggingOut(); }

signals:
    // The data set's records or state changed (first) ...
    void dataSetChanged(vorbix::model::TDataSet::Change change);
    // ... and then, when records were edited, added, deleted or replaced, this.
    void recordsChanged();
    void replaced();
    void loggingOut();
};

} // namespace vorbix::ui
