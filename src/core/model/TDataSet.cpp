#include "core/model/TDataSet.h"

#include "core/base/Clock.h"
#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <sys/stat.h>

namespace vorbix::model {

TDataSet::TDataSet(ReceiverMemory& memory, std::string programFolder, const PopisType& lang, ErrorSink onError)
    : m_memory(memory), m_programFolder(std::move(programFolder)), m_lang(lang), m_onError(std::move(onError))
{
}

void TDataSet::notify(Change change)
{
    if (m_observer) {
        m_observer(change);
    }
}

bool TDataSet::openCommon(const std::string& path, bool loggedIn)
{
    LoadedDataFile loaded;
    if (!ReadDataFile(path, m_programFolder, loggedIn ? &m_memory.Device : nullptr, loaded, m_lang, m_onError)) {
        return false;
    }
    m_memory.Device = std::move(loaded.Device);
    m_memory.MemoryImage = std::move(loaded.MemoryImage);
    m_memory.Records = std::move(loaded.Records);
    return true;
}

bool TDataSet::open(const std::string& path, bool loggedIn)
{
    if (!openCommon(path, loggedIn)) {
        return false;
    }
    m_state.DataFileName = path;
    m_state.DataSaved = true;
    m_state.DataOpen = true;
    m_state.MemoryChanged = true;
    notify(Change::Records);
    return true;
}

bool TDataSet::openBackup(const std::string& path, bool loggedIn)
{
    if (!openCommon(path, loggedIn)) {
        return false;
    }
    m_state.DataOpen = true;
    m_state.MemoryChanged = true;
    m_state.DataSaved = false;
    if (!m_state.DataFileName.empty()) {
        (void)ImportComments(m_state.DataFileName, m_programFolder, m_memory.Records, m_lang, m_onError);
    }
    notify(Change::Records);
    return true;
}

bool TDataSet::openAtStartup(const std::string& path, bool loggedIn)
{
    m_state.DataFileName = path;
    const bool opened = openBackup(path, loggedIn);
    m_state.DataSaved = true;
    notify(Change::State);
    return opened;
}

bool TDataSet::importComments(const std::string& path)
{
    if (!ImportComments(path, m_programFolder, m_memory.Records, m_lang, m_onError)) {
        return false;
    }
    notify(Change::Records);
    return true;
}

bool TDataSet::save()
{
    m_state.DataSaved =
        SaveDataFile(m_state.DataFileName, m_memory.Device, m_memory.Records, m_memory.UploadImage, m_lang, m_onError);
    notify(Change::Records);
    return m_state.DataSaved;
}

bool TDataSet::saveAs(const std::string& path)
{
    m_state.DataFileName = path;
    return save();
}

bool TDataSet::buildNewRecords(const std::string& model, bool loggedIn, TRxFnc& functions)
{
    TDevice fresh;
    fresh.Model = model;
    if (!FindModel(m_programFolder, fresh, m_lang, m_onError) || !functions.LoadFunctions(model)) {
        return false;
    }
    if (!loggedIn) {
        fresh.RecordCount = functions.RecordCount;
        m_memory.Device = fresh;
    }
    NewRecords(m_memory.Device, m_memory.Records);
    return true;
}

bool TDataSet::newDataSet(const std::string& chosenModel, bool loggedIn, TRxFnc& functions)
{
    if (!loggedIn && !buildNewRecords(chosenModel, loggedIn, functions)) {
        return false;
    }
    if (m_state.DataOpen) {
        (void)buildNewRecords(m_memory.Device.Model, loggedIn, functions);
        m_state.DataSaved = true;
        m_state.DataFileName.clear();
        m_state.MemoryChanged = true;
    }
    m_state.DataOpen = true;
    notify(Change::Records);
    return true;
}

void TDataSet::close()
{
    m_state.DataFileName.clear();
    m_state.DataOpen = false;
    notify(Change::Records);
}

bool TDataSet::afterDownload(bool backup, const Clock& clock)
{
    bool backedUp = true;
    if (backup) {
        const std::string folder = text::joinPath(m_programFolder, BackupFolderName);
        if (!text::directoryExists(folder)) {
            ::mkdir(folder.c_str(), 0777);
        }
        const std::string name = BackupFileName(m_programFolder, m_memory.Device.Model, clock.localTime());
        backedUp = SaveDataFile(name, m_memory.Device, m_memory.Records, m_memory.UploadImage, m_lang, m_onError) &&
                   text::setReadOnly(name);
    }
    m_state.MemoryChanged = false;
    m_state.MemoryDownloaded = true;
    m_state.DataSaved = false;
    if (m_state.DataOpen && !m_state.DataFileName.empty()) {
        (void)ImportComments(m_state.DataFileName, m_programFolder, m_memory.Records, m_lang, m_onError);
    }
    notify(Change::Records);
    return backedUp;
}

void TDataSet::markEdited()
{
    m_state.DataSaved = false;
    m_state.MemoryChanged = true;
    notify(Change::Records);
}

void TDataSet::markMemoryExchanged()
{
    m_state.MemoryChanged = false;
    notify(Change::State);
}

void TDataSet::markBackTo(bool fileSaved, bool memoryUnchanged)
{
    m_state.DataSaved = m_state.DataSaved || fileSaved;
    m_state.MemoryChanged = m_state.MemoryChanged && !memoryUnchanged;
    notify(Change::State);
}

} // namespace vorbix::model
