#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/Backup.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"

#include <functional>
#include <string>

namespace vorbix {
class Clock;
}

namespace vorbix::model {

class TRxFnc;

// The receiver memory as the program holds it: the device of the connected receiver (or of the
// open data set when none is logged in), the last downloaded or opened image, the last encoded
// image, and the decoded record table. The receiver object and the windows share one instance.
struct ReceiverMemory
{
    TDevice Device;
    std::string MemoryImage;
    std::string UploadImage;
    RecordTable Records;
};

// The state of the open data set, shown in the status bar and the page captions.
struct DataSetState
{
    std::string DataFileName; // empty while the data set has no file
    bool DataOpen = false;
    bool DataSaved = true;
    bool MemoryChanged = false;
    bool MemoryDownloaded = false;
};

// The data set: opening, saving, backups and comment import over a ReceiverMemory, and the
// state transitions that go with them. It asks no questions and shows nothing: the windows ask
// before calling, show the errors that arrive through the error sink, and follow the changes
// through the observer.
class TDataSet
{
public:
    enum class Change
    {
        State,   // only the state (flags or file name) changed
        Records, // the records were replaced or moved: the views must be rebuilt
    };
    using Observer = std::function<void(Change)>;

    // `memory` and `lang` must outlive the object.
    TDataSet(ReceiverMemory& memory, std::string programFolder, const PopisType& lang, ErrorSink onError);

    const DataSetState& state() const { return m_state; }
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Open: on success the file becomes the data set (DataFileName := path, DataOpen, DataSaved,
    // MemoryChanged). On failure nothing changes, the file name included.
    bool open(const std::string& path, bool loggedIn);
    // Open backup: as open, but DataFileName stays, the set counts as unsaved, and the comments of
    // DataFileName (when set) are imported afterwards, so a later save goes to the set's own file.
    bool openBackup(const std::string& path, bool loggedIn);
    // The data file named at start-up (settings or command line): DataFileName := path, then as
    // openBackup, and the set counts as saved.
    bool openAtStartup(const std::string& path, bool loggedIn);
    // Comments of another data file into the open records; DataSaved is not changed.
    bool importComments(const std::string& path);

    // Save to DataFileName (which must be set); DataSaved := result.
    bool save();
    // DataFileName := path, then save.
    bool saveAs(const std::string& path);

    // New data set, after the windows asked about unsaved changes. Logged out, `chosenModel` is
    // the model picked in the New dialog and a fresh table is built for it; false, with nothing
    // changed, when that fails. When a set was open, a fresh table for the current model replaces
    // it: DataSaved, no file name, MemoryChanged. Logged in with no set open, the records shown
    // (a download) become the new, unnamed data set. Then DataOpen.
    bool newDataSet(const std::string& chosenModel, bool loggedIn, TRxFnc& functions);
    // Close: no file name, DataOpen false.
    void close();

    // After a successful download and decode: with `backup` set the records are written to a new
    // read-only file in the Backup folder (named by `clock`); then MemoryChanged false,
    // MemoryDownloaded, DataSaved false, and the comments of DataFileName are imported when a set
    // is open. False only when the backup could not be written (the other steps still run).
    bool afterDownload(bool backup, const Clock& clock);
    // The records were edited, added to or deleted from: DataSaved false, MemoryChanged.
    void markEdited();
    // The memory was uploaded, or the receiver logged out: MemoryChanged false.
    void markMemoryExchanged();
    // An undo brought the records back to what the data file holds (DataSaved) or what the
    // receiver holds (MemoryChanged false).
    void markBackTo(bool fileSaved, bool memoryUnchanged);

    // Builds a fresh data set of `model` into `memory`: FindModel into a fresh device, LoadFunctions,
    // and (logged out) that device with the function file's RecordCount becomes the program's;
    // then NewRecords. False, with the records unchanged, when a step fails.
    bool buildNewRecords(const std::string& model, bool loggedIn, TRxFnc& functions);

private:
    bool openCommon(const std::string& path, bool loggedIn);
    void notify(Change change);

    ReceiverMemory& m_memory;
    std::string m_programFolder;
    const PopisType& m_lang;
    ErrorSink m_onError;
    Observer m_observer;
    DataSetState m_state;
};

} // namespace vorbix::model
