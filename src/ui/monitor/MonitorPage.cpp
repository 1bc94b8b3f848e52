#include "ui/monitor/MonitorPage.h"

#include "core/base/TextNumbers.h"
#include "ui/monitor/MonitorTable.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace vorbix::ui {

namespace {

constexpr int kMessageTableMinimum = 90;
constexpr int kGroupMinimum = 125;
constexpr int kButtonPanelWidth = 81;

} // namespace

MonitorPage::MonitorPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MonitorView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = named(new QSplitter(Qt::Vertical, this), "MonitorSplitter");
    m_splitter->setChildrenCollapsible(false);
    m_monitorGrid = new MonitorTable(QStringLiteral("MonitorGrid"), QAbstractItemView::ContiguousSelection);
    m_monitorGrid->setMinimumHeight(kMessageTableMinimum);
    m_splitter->addWidget(m_monitorGrid);
    m_activeGroup = eventGroup("ActiveGroup", true);
    m_deactiveGroup = eventGroup("DeactiveGroup", false);
    m_splitter->addWidget(m_activeGroup);
    m_splitter->addWidget(m_deactiveGroup);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setStretchFactor(2, 0);
    layout->addWidget(m_splitter);
    connect(m_splitter, &QSplitter::splitterMoved, this, &MonitorPage::heightsChanged);
    if (parent && parent->layout()) {
        parent->layout()->addWidget(this);
    }

    m_addPopup = named(new QMenu(this), "AddPopupMenu");
    m_popupSerial = named(m_addPopup->addAction(QStringLiteral("serial number ...")), "AddPopupSerialNumber");
    m_popupMemory = named(m_addPopup->addAction(QStringLiteral("from Memory view ...")), "AddPopupMemory");
    m_popupUser = named(m_addPopup->addAction(QStringLiteral("from File view ...")), "AddPopupUser");
    m_popupHistory = named(m_addPopup->addAction(QStringLiteral("from History ...")), "AddPopupHistory");
}

QGroupBox* MonitorPage::eventGroup(const char* name, bool active)
{
    auto* group = named(new QGroupBox, name);
    group->setMinimumHeight(kGroupMinimum);
    auto* layout = new QHBoxLayout(group);
    auto* grid = new MonitorTable(active ? QStringLiteral("ActiveGrid") : QStringLiteral("DeactiveGrid"),
                                  QAbstractItemView::SingleSelection);
    layout->addWidget(grid, 1);
    auto* panel = named(new QWidget, active ? "ActivePanel" : "DeactivePanel");
    panel->setFixedWidth(kButtonPanelWidth);
    auto* buttons = new QVBoxLayout(panel);
    buttons->setContentsMargins(0, 0, 0, 0);
    const QString prefix = active ? QStringLiteral("Active") : QStringLiteral("Deactive");
    auto* add = new QPushButton(QStringLiteral("Add"));
    add->setObjectName(QStringLiteral("Add%1Button").arg(prefix));
    auto* edit = new QPushButton(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("Edit%1Button").arg(prefix));
    auto* remove = new QPushButton(QStringLiteral("Remove"));
    remove->setObjectName(QStringLiteral("Remove%1Button").arg(prefix));
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addWidget(panel);
    (active ? m_activeGrid : m_deactiveGrid) = grid;
    (active ? m_addActive : m_addDeactive) = add;
    (active ? m_editActive : m_editDeactive) = edit;
    (active ? m_removeActive : m_removeDeactive) = remove;
    return group;
}

void MonitorPage::applyTexts(const PopisType& lang)
{
    const auto t = [&lang](int n) { return fromCp(LangText(lang, n)); };
    m_activeGroup->setTitle(t(lang::kMonitorActive));
    m_deactiveGroup->setTitle(t(lang::kMonitorDeactive));
    for (const bool active : {true, false}) {
        addButton(active)->setText(t(lang::kMonitorAdd));
        editButton(active)->setText(t(lang::kMonitorEdit));
        removeButton(active)->setText(t(lang::kMonitorRemove));
    }
    m_popupSerial->setText(t(lang::kMonitorAddSerial));
    m_popupMemory->setText(t(lang::kMonitorAddMemory));
    m_popupUser->setText(t(lang::kMonitorAddFile));
    m_popupHistory->setText(t(lang::kMonitorAddHistory));
}

int MonitorPage::activeHeight() const
{
    return m_splitter->sizes().value(1);
}

int MonitorPage::deactiveHeight() const
{
    return m_splitter->sizes().value(2);
}

void MonitorPage::setGroupHeights(int active, int deactive)
{
    active = std::max(active, kGroupMinimum);
    deactive = std::max(deactive, kGroupMinimum);
    const int total = std::max(m_splitter->height(), kMessageTableMinimum + active + deactive);
    m_splitter->setSizes({total - active - deactive, active, deactive});
}

} // namespace vorbix::ui
