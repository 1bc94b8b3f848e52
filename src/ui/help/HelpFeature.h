#pragma once

#include "ui/app/Feature.h"

#include <string>

namespace vorbix::ui {

class HelpWindow;
class TAboutForm;

// The Help menu: the help contents (MenuIndex), F1 for the focused control's topic, and the About
// box. The help follows the language: each language has its own help folder.
class HelpFeature : public Feature
{
    Q_OBJECT
public:
    explicit HelpFeature(Shell& shell);

    void connectActions(MainActions& actions) override;
    void applyLanguage(const PopisType& lang) override;
    void closeSteps() override;

    TAboutForm* aboutForm() const { return m_aboutForm; }
    // Created when first needed.
    HelpWindow* helpWindow();

    void MenuIndexClick();
    void MenuAboutClick();
    // F1: the topic of the focused control's help context, or of its nearest parent's.
    void showHelpForFocus();

private:
    // False, after telling the user, when the language's help is not installed.
    bool helpAvailable();

    TAboutForm* m_aboutForm = nullptr;
    HelpWindow* m_helpWindow = nullptr;
    std::string m_helpFile;
};

} // namespace vorbix::ui
