#include "reports/sheet_lines.h"

#include "util/tokens.h"

namespace skitally {

bool SheetLines::Line(const std::string& line)
{
    if (report_.PageFull()) {
        report_.ClosePage();
        if (!report_.OpenPage())
            return false;
        if (!headings_.empty())
            WriteHeadings(report_, headings_);
    }
    report_.Line(TrimEnd(line));
    return true;
}

bool SheetLines::List(const std::string& caption, std::vector<std::string> headings)
{
    headings_.clear();
    if (!Line("") || !Line(caption))
        return false;
    for (const std::string& heading : headings)
        if (!Line(heading))
            return false;
    headings_ = std::move(headings);
    return Line("");
}

bool SheetLines::Keep(int lines)
{
    if (report_.layout().lineCounter + lines <= report_.layout().pageLimit)
        return true;
    report_.ClosePage();
    return report_.OpenPage();
}

}  // namespace skitally
