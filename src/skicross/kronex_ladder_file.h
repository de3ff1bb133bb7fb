#pragma once
// The ladder file for the timer (".Ldr"): fixed 56-byte records, no line
// ends, each a blank line with its fields laid over it (columns from 1).
//
// Records 1-100: one slot of the ladder each, heat after heat in the order
// the heats are numbered, four rows a heat (record 4 x (heat - 1) + row);
// a slot whose racer is not known yet carries only its heat, row and label.
//    1 (2) heat number shown       4 (3) bib           8 (2) seed
//   11 (3) the racer's record number in the race's racer file
//   15 (1) row 1-4 (Red, Green, Blue, Yellow)          17 (3) nation
//   21 (8) slot label "8_01_1"    30 (8) places so far (SxPos2)
//   39 (8) final label (SxPos3); "~~~~~~~~" where the racer has none
// Numbers are right-aligned in their field.
// Records 101-214 hold texts:
//   101      title 1 at 1 (40), the ladder name at 42 (12), its size at 54 (3)
//   102-105  titles 2-5 at 1 (40)
//   106      the date and location line at 1 (55)
//   107 on   one per heat in heat order: its caption at 1 (40) ("1/8 FINAL
//            HEAT 01", "FINAL", "SMALL FINAL"), the heat's label part
//            "8_01" at 42 (12), the heat number at 54 (3)
// Any other record number is refused: "Write Error no such record for
// Ladder", and nothing is written for it.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "app/race_data.h"
#include "racefile/racer_record.h"
#include "skicross/ladder_view.h"

namespace skitally {

inline constexpr int kLadderRecordLength = 56;

class KronexLadderFile {
  public:
    struct Slot {
        int heatNumber = 0;
        std::string bib;
        int seed = 0; // 0: the row is not filled yet
        int racerRecord = 0;
        int row = 0;
        std::string nation, label, places, finalLabel;
    };
    // False for a record outside 1-100.
    bool WriteSlot(int record, const Slot& slot);
    // False for a record outside 101-214.
    bool WriteText(int record, const std::string& text, const std::string& field12, const std::string& field3);
    bool WriteLongText(int record, const std::string& text);
    // The records up to the highest written, unwritten ones blank.
    const std::string& bytes() const { return bytes_; }

  private:
    void Put(int record, const std::string& line);
    std::string bytes_;
};

// The whole file of `view` (heat numbers as shown) with the racers' record
// numbers and ladder fields; `racers` live, `recordNumbers` beside them.
// Empty when a record could not be placed.
std::string ComposeLadderFile(const LadderView& view, const std::vector<RacerRecord>& racers,
                              const std::vector<int>& recordNumbers, const HeaderFile& header);

// output-ladder RACE [FILE]: heat numbers asked, the file chosen (starting
// in the exchange folder) and written whole. True when written.
bool OutputLadderCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

// The folder of the timer's exchange files, else the race's.
std::string ExchangeFolder(const AppContext& ctx);
void KeepExchangeFolder(AppContext& ctx, const std::string& chosenFile);

} // namespace skitally
