#include "ui/app/QtLanguageFeature.h"

#include "ui/app/Shell.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorbix::ui {

namespace {

// Qt's translation catalogues a window of this program can meet.
constexpr const char* kCatalogues[] = {"qtbase", "qtmultimedia"};

} // namespace

QtLanguageFeature::QtLanguageFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("QtLanguageFeature"));
}

QtLanguageFeature::~QtLanguageFeature()
{
    install(QString());
}

QString QtLanguageFeature::qtLocaleOf(const std::string& languageCode)
{
    // The language files are named by country-like codes; Qt names its catalogues by language.
    static const std::pair<const char*, const char*> kNames[] = {
        {"CZ", "cs"}, {"US", "en"}, {"GB", "en"}, {"SK", "sk"}, {"DE", "de"}, {"PL", "pl"}, {"HU", "hu"},
    };
    for (const auto& [code, locale] : kNames) {
        if (languageCode == code) {
            return QString::fromLatin1(locale);
        }
    }
    return QString::fromStdString(languageCode).toLower();
}

void QtLanguageFeature::applyLanguage(const PopisType& /*lang*/)
{
    install(qtLocaleOf(shell().languageCode()));
}

void QtLanguageFeature::install(const QString& locale)
{
    if (locale == m_installed && (!m_translators.empty() || locale.isEmpty())) {
        return;
    }
    for (const std::unique_ptr<QTranslator>& translator : m_translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
    m_translators.clear();
    m_installed.clear();
    if (locale.isEmpty() || locale == QLatin1String("en")) {
        QLocale::setDefault(QLocale::system());
        return; // Qt's own texts are English
    }
    // Dates and sizes in Qt's windows (the file dialog's columns) as the language writes them.
    QLocale::setDefault(QLocale(locale));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : kCatalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QString::fromLatin1(catalogue) + QLatin1Char('_') + locale, folder) &&
            QCoreApplication::installTranslator(translator.get())) {
            m_translators.push_back(std::move(translator));
        }
    }
    if (!m_translators.empty()) {
        m_installed = locale;
    }
}

} // namespace vorbix::ui
