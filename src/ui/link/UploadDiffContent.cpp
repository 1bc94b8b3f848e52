#include "ui/link/UploadDiffContent.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/QtText.h"

namespace vorbix::ui {

ReportContent uploadDiffContent(const views::RecordDiff& diff, const PopisType& lang)
{
    const auto text = [&lang](int n) { return fromCp(LangText(lang, n)); };
    ReportContent content;
    content.caption = text(lang::kDiffCaption);
    if (diff.same()) {
        content.summary << text(lang::kDiffSame);
    } else {
        content.summary << text(lang::kDiffAdded) + QLatin1Char(' ') + QString::number(diff.added)
                        << text(lang::kDiffRemoved) + QLatin1Char(' ') + QString::number(diff.removed)
                        << text(lang::kDiffChanged) + QLatin1Char(' ') + QString::number(diff.changed);
    }
    content.summary << text(lang::kUploadQuestion);
    content.okText = text(lang::kMenuUpload);
    content.headers = {text(lang::kDiffRecord), text(lang::kDiffChange), text(lang::kDiffField),
                       text(lang::kDiffBefore), text(lang::kDiffAfter)};
    for (const views::RecordDifference& d : diff.differences) {
        const QString transmitter = fromCp(d.serial) + QStringLiteral(" / ") + fromCp(d.button);
        switch (d.kind) {
        case views::RecordDifference::Kind::Added:
            content.rows << QStringList{transmitter, text(lang::kDiffKindAdded), {}, {}, {}};
            break;
        case views::RecordDifference::Kind::Removed:
            content.rows << QStringList{transmitter, text(lang::kDiffKindRemoved), {}, {}, {}};
            break;
        case views::RecordDifference::Kind::Changed:
            for (const views::FieldChange& field : d.fields) {
                content.rows << QStringList{transmitter, text(lang::kDiffKindChanged), fromCp(field.title),
                                            fromCp(field.before), fromCp(field.after)};
            }
            break;
        }
    }
    return content;
}

} // namespace vorbix::ui
