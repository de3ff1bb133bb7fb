#pragma once
// The lines of a calculation sheet: a new page opens whenever the page is
// full, with the current list's headings again when inside a list.

#include <string>
#include <vector>

#include "reports/report_page.h"

namespace skitally {

class SheetLines {
public:
    explicit SheetLines(ReportWriter& report) : report_(report) {}
    bool Line(const std::string& line);
    // An empty line, the caption, the headings and an empty line; the
    // headings repeat on every page until EndList.
    bool List(const std::string& caption, std::vector<std::string> headings);
    void EndList() { headings_.clear(); }
    // Starts a new page unless `lines` more fit on this one.
    bool Keep(int lines);

private:
    ReportWriter& report_;
    std::vector<std::string> headings_;
};

}  // namespace skitally
