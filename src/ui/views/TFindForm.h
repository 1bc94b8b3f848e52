#pragma once

#include "core/base/LanguageTable.h"
#include "core/views/TFinder.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace vorbix::ui {

// The find dialog: the text to search for and the column item. Confirming hands both to the
// finder; an empty text closes the dialog as cancelled.
class TFindForm : public QDialog
{
    Q_OBJECT
public:
    // `finder` and `lang` must outlive the dialog.
    TFindForm(views::TFinder& finder, const PopisType& lang, QWidget* parent = nullptr);

    // The captions, the column items of the page (none on other pages), item 0 selected, the
    // focus in the text.
    void FormShow(const std::vector<std::string>& columnItems);
    // FormShow, then the modal dialog; true when a search was confirmed.
    bool ask(const std::vector<std::string>& columnItems);

private:
    void OKButtonClick();

    views::TFinder& m_finder;
    const PopisType& m_lang;
    QLabel* m_findLabel = nullptr;
    QComboBox* m_findCombo = nullptr;
    QGroupBox* m_colGroup = nullptr;
    QGridLayout* m_colLayout = nullptr;
    QButtonGroup* m_items = nullptr;
};

} // namespace vorbix::ui
