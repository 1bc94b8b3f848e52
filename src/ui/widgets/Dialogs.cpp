#include "ui/widgets/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <deque>

namespace vorbix::ui {
namespace {

struct Script
{
    bool scripted = false;
    std::deque<app::Answer> answers;
    std::deque<QString> fileNames;
    std::deque<QString> filters;
    QString offered;
    QStringList shown;
};

Script& script()
{
    static Script s;
    return s;
}

QString nextFileName()
{
    Script& s = script();
    if (s.fileNames.empty()) {
        return {};
    }
    QString name = s.fileNames.front();
    s.fileNames.pop_front();
    return name;
}

app::Answer nextAnswer()
{
    Script& s = script();
    if (s.answers.empty()) {
        return app::Answer::Cancel;
    }
    const app::Answer a = s.answers.front();
    s.answers.pop_front();
    return a;
}

} // namespace

void Dialogs::error(QWidget* parent, const QString& text)
{
    script().shown << text;
    if (script().scripted) {
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Vorbix"), text);
}

void Dialogs::message(QWidget* parent, const QString& text)
{
    script().shown << text;
    if (script().scripted) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vorbix"), text, QMessageBox::Ok, parent);
    box.exec();
}

app::Answer Dialogs::question(QWidget* parent, const QString& title, const QString& text)
{
    script().shown << text;
    if (script().scripted) {
        return nextAnswer();
    }
    const auto button = QMessageBox::question(
        parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) {
        return app::Answer::Yes;
    }
    return button == QMessageBox::No ? app::Answer::No : app::Answer::Cancel;
}

bool Dialogs::yesNo(QWidget* parent, const QString& title, const QString& text, bool defaultNo)
{
    script().shown << text;
    if (script().scripted) {
        return nextAnswer() == app::Answer::Yes;
    }
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 defaultNo ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

QString Dialogs::openFileName(QWidget* parent, const QString& filter, const QString& start)
{
    if (script().scripted) {
        return nextFileName();
    }
    return QFileDialog::getOpenFileName(parent, {}, start, filter);
}

QString Dialogs::saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                              const QString& start, QString* selectedFilter)
{
    Script& s = script();
    if (s.scripted) {
        s.offered = filter;
        if (selectedFilter != nullptr) {
            *selectedFilter = s.filters.empty() ? QString() : s.filters.front();
        }
        if (!s.filters.empty()) {
            s.filters.pop_front();
        }
        return nextFileName();
    }
    QFileDialog dialog(parent, {}, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without an extension takes the one of the filter chosen ("All files" keeps the
    // dialog's default).
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultSuffix](const QString& chosen) {
        static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
        const QRegularExpressionMatch match = pattern.match(chosen);
        dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : defaultSuffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    if (selectedFilter != nullptr) {
        *selectedFilter = dialog.selectedNameFilter();
    }
    return dialog.selectedFiles().constFirst();
}

bool Dialogs::confirm(QDialog& dialog, const QString& text)
{
    script().shown << text;
    if (script().scripted) {
        return nextAnswer() == app::Answer::Yes;
    }
    return dialog.exec() == QDialog::Accepted;
}

void Dialogs::setScripted(bool scripted)
{
    script().scripted = scripted;
}

bool Dialogs::scripted()
{
    return script().scripted;
}

void Dialogs::preloadAnswer(app::Answer answer)
{
    script().answers.push_back(answer);
}

void Dialogs::preloadFileName(const QString& fileName)
{
    script().fileNames.push_back(fileName);
}

void Dialogs::preloadFilter(const QString& filter)
{
    script().filters.push_back(filter);
}

const QString& Dialogs::offeredFilters()
{
    return script().offered;
}

const QStringList& Dialogs::shownMessages()
{
    return script().shown;
}

void Dialogs::clear()
{
    Script& s = script();
    s.answers.clear();
    s.fileNames.clear();
    s.filters.clear();
    s.shown.clear();
}

QString dataFileFilter()
{
    return QStringLiteral("Vorbix files (*.rxd);;All files (*)");
}

QString monitorFileFilter()
{
    return QStringLiteral("Vorbix monitoring files (*.mon);;All files (*)");
}

} // namespace vorbix::ui
