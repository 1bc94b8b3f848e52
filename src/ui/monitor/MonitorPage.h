#pragma once

#include "core/base/LanguageTable.h"

#include <QWidget>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QSplitter;

namespace vorbix::ui {

class MonitorTable;

// The monitoring page's widgets: MonitorGrid above, then the Active and Deactive groups, each with its
// event table and the Add, Edit and Remove buttons, in a splitter that keeps each part at its minimum
// height (90 for the message table, 125 for a group); and the Add popup menu.
class MonitorPage : public QWidget
{
    Q_OBJECT
public:
    explicit MonitorPage(QWidget* parent);

    void applyTexts(const PopisType& lang);

    // The heights of the two groups; setting them gives the message table the rest.
    int activeHeight() const;
    int deactiveHeight() const;
    void setGroupHeights(int active, int deactive);

    MonitorTable* monitorGrid() const { return m_monitorGrid; }
    MonitorTable* eventGrid(bool active) const { return active ? m_activeGrid : m_deactiveGrid; }
    QPushButton* addButton(bool active) const { return active ? m_addActive : m_addDeactive; }
    QPushButton* editButton(bool active) const { return active ? m_editActive : m_editDeactive; }
    QPushButton* removeButton(bool active) const { return active ? m_removeActive : m_removeDeactive; }
    QSplitter* splitter() const { return m_splitter; }
    QMenu* addPopupMenu() const { return m_addPopup; }
    QAction* addPopupSerialNumber() const { return m_popupSerial; }
    QAction* addPopupMemory() const { return m_popupMemory; }
    QAction* addPopupUser() const { return m_popupUser; }
    QAction* addPopupHistory() const { return m_popupHistory; }

signals:
    // The user moved the border between the parts.
    void heightsChanged();

private:
    QGroupBox* eventGroup(const char* name, bool active);

    QSplitter* m_splitter = nullptr;
    MonitorTable* m_monitorGrid = nullptr;
    QGroupBox* m_activeGroup = nullptr;
    QGroupBox* m_deactiveGroup = nullptr;
    MonitorTable* m_activeGrid = nullptr;
    MonitorTable* m_deactiveGrid = nullptr;
    QPushButton* m_addActive = nullptr;
    QPushButton* m_editActive = nullptr;
    QPushButton* m_removeActive = nullptr;
    QPushButton* m_addDeactive = nullptr;
    QPushButton* m_editDeactive = nullptr;
    QPushButton* m_removeDeactive = nullptr;
    QMenu* m_addPopup = nullptr;
    QAction* m_popupSerial = nullptr;
    QAction* m_popupMemory = nullptr;
    QAction* m_popupUser = nullptr;
    QAction* m_popupHistory = nullptr;
};

} // namespace vorbix::ui
