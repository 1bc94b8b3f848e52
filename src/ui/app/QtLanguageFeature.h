#pragma once

#include "ui/app/Feature.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QTranslator;

namespace vorbix::ui {

// Qt's own windows and buttons (file and print dialogs, the print preview, the message boxes' OK,
// Cancel, Yes and No) speak the language in force: Qt's translations for it are installed on the
// application, and taken away again for English or a language Qt has none for.
class QtLanguageFeature : public Feature
{
    Q_OBJECT
public:
    explicit QtLanguageFeature(Shell& shell);
    ~QtLanguageFeature() override;

    void applyLanguage(const PopisType& lang) override;

    // The Qt locale name of a language file's code: "CZ" is "cs", "US" is "en".
    static QString qtLocaleOf(const std::string& languageCode);
    // The locale whose translations are installed; empty for none.
    const QString& installedLocale() const { return m_installed; }

private:
    void install(const QString& locale);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QString m_installed;
};

} // namespace vorbix::ui
