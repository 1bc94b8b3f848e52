#include "ui/app/RecordData.h"

#include "core/views/LastTransmitter.h"

namespace vorbix::ui {

RecordData::RecordData(const std::string& programFolder, const std::string& definitionFileName, const PopisType& lang,
                       const ErrorSink& onError, QObject* parent)
    : QObject(parent), dataSet(memory, programFolder, lang, onError)
{
    functions.Folder = programFolder;
    functions.FileName = definitionFileName;
    functions.setMessages(&lang, onError);
    dataSet.setObserver([this](model::TDataSet::Change change) {
        emit dataSetChanged(change);
        if (change == model::TDataSet::Change::Records) {
            emit recordsChanged();
        }
    });
}

int RecordData::rowOfTransmitter(const views::GridText& view, const std::string& serial,
                                 const std::string& button) const
{
    if (&view == &memoryView) {
        return views::LastRowOfTransmitter(
            {memoryView.rowCount(), [this](int row) { return memoryView.slotOfRow(row); }, &memory.Records}, serial,
            button);
    }
    if (&view == &userView) {
        return views::LastRowOfTransmitter(
            {userView.rowCount(), [this](int row) { return userView.slotOfRow(row); }, &memory.Records}, serial,
            button);
    }
    return -1;
}

bool RecordData::holdsTransmitter(const std::string& serial, const std::string& button) const
{
    // Add is offered only for a transmitter no table holds: adding one that is there would learn
    // the same button into a second slot, whatever the layout.
    bool held = !memoryView.isEmpty() || !userView.isEmpty();
    if (!memoryView.isEmpty() && rowOfTransmitter(memoryView, serial, button) < 0) {
        held = false;
    }
    if (!userView.isEmpty() && rowOfTransmitter(userView, serial, button) < 0) {
        held = false;
    }
    return held;
}

} // namespace vorbix::ui
