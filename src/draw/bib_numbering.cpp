#include "draw/bib_numbering.h"

namespace skitally {

int BibNumbering::last() const
{
    const std::vector<int> bibs = Bibs();
    return bibs.empty() ? first_ : bibs.back();
}

BibNumbering::SkipResult BibNumbering::Skip(int bib)
{
    if (bib < first_ || bib > last())
        return SkipResult::OutOfRange;
    if (skipped_.count(bib) != 0)
        return SkipResult::AlreadySkipped;
    if (last() + 1 > kHighestBib)
        return SkipResult::OutOfRange;
    skipped_.insert(bib);
    return SkipResult::Skipped;
}

std::vector<int> BibNumbering::Bibs() const
{
    std::vector<int> bibs;
    bibs.reserve(static_cast<std::size_t>(starters_ > 0 ? starters_ : 0));
    for (int bib = first_; static_cast<int>(bibs.size()) < starters_; ++bib)
        if (skipped_.count(bib) == 0)
            bibs.push_back(bib);
    return bibs;
}

std::string SkipListText(const std::set<int>& skipped)
{
    std::string text;
    for (int bib : skipped)
        text += (text.empty() ? "" : ", ") + std::to_string(bib);
    return text;
}

}  // namespace skitally
