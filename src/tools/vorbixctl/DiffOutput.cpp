#include "tools/vorbixctl/DiffOutput.h"

#include "core/text/Cp1250.h"
#include "tools/vorbixctl/ListOutput.h"

namespace vorbix::tools {

namespace {

const char* kindName(views::RecordDifference::Kind kind)
{
    switch (kind) {
    case views::RecordDifference::Kind::Added:
        return "added";
    case views::RecordDifference::Kind::Removed:
        return "removed";
    case views::RecordDifference::Kind::Changed:
        break;
    }
    return "changed";
}

std::string quoted(const std::string& cp1250Text)
{
    return "\"" + cp1250::toUtf8(cp1250Text) + "\"";
}

} // namespace

void printDiff(std::ostream& out, const views::RecordDiff& diff, bool json)
{
    for (const views::RecordDifference& d : diff.differences) {
        if (json) {
            out << "{\"kind\":\"" << kindName(d.kind) << "\",\"serial\":" << jsonString(d.serial)
                << ",\"button\":" << jsonString(d.button) << ",\"slotBefore\":" << d.slotBefore
                << ",\"slotAfter\":" << d.slotAfter << ",\"fields\":[";
            for (std::size_t i = 0; i < d.fields.size(); ++i) {
                out << (i ? "," : "") << "{\"title\":" << jsonString(d.fields[i].title)
                    << ",\"before\":" << jsonString(d.fields[i].before)
                    << ",\"after\":" << jsonString(d.fields[i].after) << "}";
            }
            out << "]}\n";
            continue;
        }
        out << kindName(d.kind) << " " << cp1250::toUtf8(d.serial) << " button " << cp1250::toUtf8(d.button);
        if (d.kind == views::RecordDifference::Kind::Added) {
            out << " (slot " << d.slotAfter << ")\n";
            continue;
        }
        out << " (slot " << d.slotBefore;
        if (d.kind == views::RecordDifference::Kind::Changed && d.slotAfter != d.slotBefore) {
            out << ", then " << d.slotAfter;
        }
        out << ")\n";
        for (const views::FieldChange& field : d.fields) {
            out << "  " << cp1250::toUtf8(field.title) << ": " << quoted(field.before) << " -> " << quoted(field.after)
                << "\n";
        }
    }
    if (json) {
        out << "{\"added\":" << diff.added << ",\"removed\":" << diff.removed << ",\"changed\":" << diff.changed
            << "}\n";
    } else {
        out << diff.added << " added, " << diff.removed << " removed, " << diff.changed << " changed\n";
    }
}

} // namespace vorbix::tools
