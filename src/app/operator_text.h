#pragma once
// How a box, a question or a choice reads as plain text: the terminal, the
// scripted operator and the transcripts of tests all print it this way.

#include <string>

#include "app/operator.h"
#include "app/text_table.h"

namespace skitally {

// The texts of an operator given no table of its own: English.
const TextTable& EnglishTexts();

// The words these add ("(default: 1)", "Save as") come from `texts`.
std::string DescribeMessage(const MessageBox& box);
std::string DescribeQuestion(const TextQuestion& question, const TextTable& texts);
std::string DescribeChoice(const ListChoice& choice);
std::string DescribeFilePick(const FilePick& pick, const TextTable& texts);
// A typed file name as a file dialog takes it: a name without a folder
// lies in the folder the question showed, not in the working folder.
std::string ResolvePickedFile(const FilePick& pick, const std::string& typed);
std::string DescribeRowPick(const RowPick& pick);
// Row indexes from "1,3,7-9", "all" or "none" (or "tous", "aucun"; rows
// numbered from 1); nullopt when the text is none of these.
std::optional<std::vector<int>> ParseRowSelection(const std::string& answer, std::size_t rowCount);
std::string DescribeForm(const FieldForm& form);
std::string DescribeTable(const EntryTable& table);
// A row of a table typed as one line, "KEY|cell|cell..": KEY is the row's
// first cell, the cells are its typed ones in order (left off: kept).
// nullopt when no row has that key.
std::optional<int> TypeTableRow(EntryTable& table, const std::string& line);
// Button index answered by `answer` (any case): its caption without "&",
// or one letter, the button's access key (its first letter when it has
// none), so that "Y" and "N" answer "&Yes" and "&No". -1 when no button
// answers, or when the letter is the key of more than one button.
int FindButton(const MessageBox& box, const std::string& answer);
// "Load, Later": the captions of the buttons sharing the letter `answer`;
// empty unless the letter answers more than one.
std::string ButtonsSharingLetter(const MessageBox& box, const std::string& answer);
// Item index matching `answer` by text (any case) or as "#n" (1-based).
int FindItem(const ListChoice& choice, const std::string& answer);

}  // namespace skitally
