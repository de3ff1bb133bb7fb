#pragma once
// Bibs follow start positions: start position 1 takes the first bib and
// each next start position the next number that is not skipped.

#include <set>
#include <string>
#include <vector>

namespace skitally {

constexpr int kHighestBib = 999;  // the bib field holds three digits

class BibNumbering {
public:
    BibNumbering(int firstBib, int starters) : first_(firstBib), starters_(starters) {}

    int first() const { return first_; }
    // The bib of the last start position with the skips so far.
    int last() const;
    const std::set<int>& skipped() const { return skipped_; }

    enum class SkipResult { Skipped, OutOfRange, AlreadySkipped };
    // A bib within first()..last() that is not yet skipped; a skip that
    // would push the last bib past 999 is out of range too.
    SkipResult Skip(int bib);

    // bibs[s - 1]: the bib of start position s. A skipped first bib moves
    // start position 1 on to the next bib.
    std::vector<int> Bibs() const;

private:
    int first_;
    int starters_;
    std::set<int> skipped_;
};

// "1, 3, 7": the skip list as the skip screen shows it.
std::string SkipListText(const std::set<int>& skipped);

}  // namespace skitally
