#include "ui/widgets/ReportDialog.h"

#include "ui/widgets/DialogParts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vorbix::ui {

QString ReportContent::plainText() const
{
    QStringList lines = summary;
    if (!rows.isEmpty()) {
        lines << headers.join(QLatin1Char('\t'));
    }
    for (const QStringList& row : rows) {
        lines << row.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

ReportDialog::ReportDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReportDialog"));
    SummaryLabel = named(new QLabel(this), "SummaryLabel");
    SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SummaryLabel->setWordWrap(true);
    ReportTable = named(new QTableWidget(this), "ReportTable");
    ReportTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ReportTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ReportTable->verticalHeader()->hide();
    ReportTable->horizontalHeader()->setStretchLastSection(true);
    ReportTable->setWordWrap(false);
    ReportTable->verticalHeader()->setDefaultSectionSize(ReportTable->fontMetrics().height() + 6);
    const OkCancelButtons buttons = addOkCancel(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SummaryLabel, 0, Qt::AlignTop);
    layout->addWidget(ReportTable, 1);
    layout->addWidget(buttons.box);
    resize(760, 460);
}

void ReportDialog::fill(const ReportContent& content)
{
    setWindowTitle(content.caption);
    SummaryLabel->setText(content.summary.join(QLatin1Char('\n')));
    ReportTable->clear();
    ReportTable->setColumnCount(static_cast<int>(content.headers.size()));
    ReportTable->setHorizontalHeaderLabels(content.headers);
    ReportTable->setRowCount(static_cast<int>(content.rows.size()));
    for (int r = 0; r < content.rows.size(); ++r) {
        const QStringList& row = content.rows[r];
        for (int c = 0; c < row.size() && c < content.headers.size(); ++c) {
            ReportTable->setItem(r, c, new QTableWidgetItem(row[c]));
        }
    }
    ReportTable->resizeColumnsToContents();
    if (content.rows.isEmpty()) {
        // Only the summary: a small window instead of an empty table.
        ReportTable->hide();
        resize(width(), sizeHint().height());
    }
    if (!content.okText.isEmpty()) {
        OKButton->setText(content.okText);
    }
}

} // namespace vorbix::ui
