#pragma once

#include "core/app/CloseQuery.h"

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace vorbix::ui {

// Every message box and file dialog of the program goes through here, so that tests can run the
// modal paths: in scripted mode nothing is shown, messages are recorded, questions take the answers
// and file dialogs the names preloaded for them, in order.
class Dialogs
{
public:
    // Error box: error icon, caption "Vorbix".
    static void error(QWidget* parent, const QString& text);
    // Plain message box (no icon), caption "Vorbix".
    static void message(QWidget* parent, const QString& text);
    // Yes/No/Cancel question with the question icon; `title` is the caption.
    static app::Answer question(QWidget* parent, const QString& title, const QString& text);
    // Yes/No question; `defaultNo` makes No the default button.
    static bool yesNo(QWidget* parent, const QString& title, const QString& text, bool defaultNo = false);
    // File dialogs; an empty result means the dialog was abandoned. Filters in Qt form
    // ("Vorbix files (*.rxd);;All files (*)"). The save dialog asks before overwriting.
    static QString openFileName(QWidget* parent, const QString& filter, const QString& start = {});
    // The default suffix follows the filter chosen (its first "*.ext" pattern); `selectedFilter`,
    // when given, receives the filter chosen.
    static QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                const QString& start = {}, QString* selectedFilter = nullptr);
    // A dialog that asks to go on (accepted) or stop (rejected), shown modally. Scripted, `text`
    // (what the dialog says, as plain text) is recorded and the next answer taken: Yes accepts.
    static bool confirm(QDialog& dialog, const QString& text);

    // Test hooks. Without a preloaded answer a question is cancelled and a file dialog abandoned.
    static void setScripted(bool scripted);
    static bool scripted();
    static void preloadAnswer(app::Answer answer);
    static void preloadFileName(const QString& fileName);
    // The filter the next scripted save dialog reports as chosen (none: an empty filter).
    static void preloadFilter(const QString& filter);
    // The filters the last scripted save dialog offered.
    static const QString& offeredFilters();
    // Errors and questions shown (or recorded) since the last clear, texts only.
    static const QStringList& shownMessages();
    static void clear();
};

// The filters of the data and monitor file dialogs.
QString dataFileFilter();
QString monitorFileFilter();

} // namespace vorbix::ui
