// Whole sessions of the command-line program, read from tests/data/cli/*.session.
// Each "$" line is one run (its arguments; "@" stands for the data folder
// everywhere, "%" for this folder of sessions); the lines after it give its
// answers and what it must show:
//   < answer        one line of the answers file ("<" alone: an empty answer)
//   k typed         one line typed at the keyboard
//   ? code          the exit code (0 when not given)
//   = line          the whole output, line by line (escapes as for ~)
//   ! line          the whole error output, line by line
//   ~ text          a text the output holds (\r \n \xhh escapes)
//   + path name [card [gender [n=text...]]]  before the run: a racer added to a
//                   racer file, with text field n (a racer field number) filled
//   w path text     before the run: a file written with the text (escapes as for ~)
//   f path text     after the run: a file holding the text (escapes as for ~)
//   - path          after the run: no such file
//   size path n     after the run: a file of n bytes
//   ls folder names after the run: the folder's files, sorted
//   same a b        after the run: files a and b hold the same bytes
//   differ a b      after the run: files a and b differ
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cli_app.h"
#include "racefile/racer_record.h"
#include "support/test_support.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

const std::string kSessions = std::string(SKITALLY_TEST_DATA) + "/cli/";

std::string Unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size())
            out += text[i];
        else if (text[++i] == 'x')
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)), i += 2;
        else
            out += text[i] == 'r' ? '\r' : text[i] == 'n' ? '\n' : text[i];
    }
    return out;
}

// Blank-separated words; double quotes keep blanks inside one word.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (const char c : line + " ") {
        if (c == '"')
            quoted = !quoted, any = true;
        else if (c != ' ' || quoted)
            word += c, any = true;
        else if (any)
            words.push_back(word), word.clear(), any = false;
    }
    return words;
}

struct Step {
    int line = 0;
    std::vector<std::string> args, answers, checks;
    std::string typed, out, err;
    int code = kCliDone;
};

class CliSession : public ::testing::TestWithParam<std::string> {};

TEST_P(CliSession, ShowsAndLeavesWhatTheSessionSays)
{
    test::TempDir dir;
    std::vector<Step> steps;
    std::ifstream in(kSessions + GetParam() + ".session");
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        for (std::size_t at = line.find('@'); at != std::string::npos; at = line.find('@', at + dir.path().size()))
            line.replace(at, 1, dir.path());
        for (std::size_t at = line.find('%'); at != std::string::npos; at = line.find('%', at + kSessions.size()))
            line.replace(at, 1, kSessions);
        const std::string key = line.substr(0, line.find(' '));
        const std::string rest = line.size() > key.size() ? line.substr(key.size() + 1) : "";
        if (key == "$")
            steps.emplace_back(), steps.back().line = n, steps.back().args = Words(rest);
        else if (key.empty() || key == "#" || steps.empty())
            continue;
        else if (key == "<")
            steps.back().answers.push_back(Unescape(rest));
        else if (key == "k")
            steps.back().typed += rest + "\n";
        else if (key == "?")
            steps.back().code = std::stoi(rest);
        else if (key == "=")
            steps.back().out += Unescape(rest) + "\n";
        else if (key == "!")
            steps.back().err += rest + "\n";
        else
            steps.back().checks.push_back(line);
    }
    ASSERT_FALSE(steps.empty());
    for (const Step& step : steps) {
        SCOPED_TRACE(GetParam() + ".session:" + std::to_string(step.line));
        for (const std::string& check : step.checks)
            if (auto w = Words(check); w[0] == "+") {
                w.resize(std::max<std::size_t>(w.size(), 5));
                RacerRecord racer;
                racer.name = w[2], racer.card = w[3], racer.gender = w[4].empty() ? "F" : w[4];
                for (std::size_t i = 5; i < w.size(); ++i)
                    *racer.TextField(std::stoi(w[i])) = w[i].substr(w[i].find('=') + 1);
                test::WriteFile(w[1], test::ReadFile(w[1]) + EncodeRacer(racer));
            } else if (w[0] == "w") {
                // The text follows the path, which may be quoted for its blanks.
                const std::string rest = check.substr(check.find(' ') + 1);
                const std::size_t end = rest.front() == '"' ? rest.find('"', 1) + 1 : rest.find(' ');
                test::WriteFile(w[1], Unescape(rest.substr(end + 1)));
            }
        const test::CliRun run = test::RunCliIn(dir, step.args, step.answers, step.typed);
        EXPECT_EQ(run.code, step.code) << run.out << run.err;
        if (!step.out.empty()) {
            EXPECT_EQ(run.out, step.out);  // shown as a line diff
        }
        if (!step.err.empty()) {
            EXPECT_EQ(run.err, step.err);
        }
        for (const std::string& check : step.checks) {
            const std::vector<std::string> w = Words(check);
            const std::string text = Unescape(check.substr(check.find(' ') + 1));
            if (w[0] == "~")
                EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
            else if (w[0] == "f")
                EXPECT_NE(test::ReadFile(w[1]).find(text.substr(text.find(' ') + 1)), std::string::npos) << check;
            else if (w[0] == "-")
                EXPECT_FALSE(fs::exists(w[1])) << check;
            else if (w[0] == "same" || w[0] == "differ")
                EXPECT_EQ(test::ReadFile(w[1]) == test::ReadFile(w[2]), w[0] == "same") << check;
            else if (w[0] == "size")
                EXPECT_TRUE(fs::is_regular_file(w[1]) && fs::file_size(w[1]) == std::stoul(w[2])) << check;
            else if (w[0] == "ls") {
                std::vector<std::string> files;
                for (const auto& entry : fs::directory_iterator(w[1]))
                    files.push_back(entry.path().filename().string());
                std::sort(files.begin(), files.end());
                EXPECT_EQ(files, std::vector<std::string>(w.begin() + 2, w.end())) << check;
            } else
                EXPECT_TRUE(w[0] == "+" || w[0] == "w") << "unknown line: " << check;
        }
    }
}

std::vector<std::string> SessionNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kSessions))
        if (entry.path().extension() == ".session")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Sessions, CliSession, ::testing::ValuesIn(SessionNames()),
                         [](const ::testing::TestParamInfo<std::string>& session) { return session.param; });

}  // namespace
}  // namespace skitally
