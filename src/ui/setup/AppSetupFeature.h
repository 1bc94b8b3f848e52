#pragma once

#include "ui/app/Feature.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace vorbix::ui {

class TAppSetupForm;

// Settings > Application setup: the dialog on copies of the options, and on confirmation the
// options applied in their order: sort and flags, user titles, user columns shown or hidden,
// list levels and history length, the settings saved, then a changed language, then the record
// views rebuilt. The profile list is edited in place and kept on Cancel.
class AppSetupFeature : public Feature
{
    Q_OBJECT
public:
    using TitlesSource = std::function<std::vector<std::string>()>;

    explicit AppSetupFeature(Shell& shell);

    TAppSetupForm& setupForm() { return *m_form; }
    // Where the sort column list comes from: the user grid's column titles in display order.
    void setSortItems(TitlesSource source) { m_sortItems = std::move(source); }

    void connectActions(MainActions& actions) override;
    void applyLanguage(const PopisType& lang) override;

    void MenuAppSetupClick();

signals:
    // A user column (code 7 for ID, 8..11 for User 1..4) is shown or hidden.
    void userColumnVisibilityChanged(int columnCode, bool visible);
    // The history keeps at most `historyLength` entries; `clear` empties it.
    void historySetupChanged(int historyLength, bool clear);
    // Another language was chosen: it is loaded.
    void languageChosen(const std::string& code);
    // The record views are rebuilt with the new titles, columns and sort.
    void viewsRebuildRequested();

private:
    TAppSetupForm* m_form = nullptr;
    TitlesSource m_sortItems;
};

} // namespace vorbix::ui
