#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vorbix::ui {

// What a report shows before a change is made: summary lines over a table, and the question to go
// on. The texts are already in the user's language.
struct ReportContent
{
    QString caption;
    QStringList summary;
    QStringList headers;
    QList<QStringList> rows;
    QString okText; // empty: the standard OK

    // The whole report as plain text (summary, then one tab-separated line per row).
    QString plainText() const;
};

// A modal report with OK and Cancel: OK goes on, Cancel (and Escape) leaves everything as it was.
// The table scrolls however long the report is.
class ReportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReportDialog(QWidget* parent);

    // Shows the content; a dialog is filled once (the OK text it sets stays).
    void fill(const ReportContent& content);

    QLabel* SummaryLabel;
    QTableWidget* ReportTable;
    QPushButton* OKButton;
    QPushButton* CancelButton;
};

} // namespace vorbix::ui
