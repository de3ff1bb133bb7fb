#include "fis_list_generator.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace skitally::bench {

namespace {

// Windows-1252 bytes: é ü ø å ö è ç ñ.
constexpr std::array<const char*, 24> kSyllables = {
    "BER", "GAN", "LUND", "MAR", "TIN", "HOL", "STR\xD6", "M\xDC", "SEN", "DAL", "KRO", "VIK",
    "PEL", "LET", "RO", "SS", "FAU", "CH\xC8", "NI", "CO", "LA", "\xC5S", "BRE", "GG"};
constexpr std::array<const char*, 20> kFemaleNames = {
    "Anna", "Ingrid", "Sofia", "Mia", "L\xE9", "Chlo\xE9", "Ylva", "Marit", "Giulia", "Hanna",
    "Zo\xE9", "Nora", "Elin", "Camille", "Ana\xEFs", "Lotte", "Petra", "Kaja", "Julie", "Sara"};
constexpr std::array<const char*, 20> kMaleNames = {
    "Lars", "Jonas", "Marco", "Luca", "J\xF6rg", "Fran\xE7ois", "Nils", "Tobias", "Henrik", "Matteo",
    "Jos\xE9", "Erik", "Ola", "Lukas", "Stefan", "Ren\xE9", "Alex", "Timo", "Pablo", "Kasper"};
constexpr std::array<const char*, 16> kNations = {"NOR", "SWE", "AUT", "SUI", "ITA", "FRA", "GER", "CAN",
                                                  "USA", "SLO", "FIN", "CZE", "ESP", "AND", "JPN", "GBR"};
constexpr std::array<const char*, 5> kDisciplines = {"DH", "SL", "GS", "SG", "SC"};

// A small generator of our own, so the list is the same on every platform.
class Numbers {
public:
    explicit Numbers(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    unsigned Below(unsigned limit)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<unsigned>((state_ >> 33) % limit);
    }

private:
    std::uint64_t state_;
};

std::string LastName(Numbers& numbers)
{
    std::string name;
    const unsigned parts = 2 + numbers.Below(2);
    for (unsigned i = 0; i < parts; ++i)
        name += kSyllables[numbers.Below(kSyllables.size())];
    if (numbers.Below(12) == 0)
        name = std::string(numbers.Below(2) ? "VAN " : "DE LA ") + name;
    return name;
}

std::string Points(Numbers& numbers)
{
    const unsigned hundredths = numbers.Below(99999);
    char text[16];
    std::snprintf(text, sizeof text, "%u.%02u", hundredths / 100, hundredths % 100);
    return text;
}

}  // namespace

std::string GenerateFisAlpineList(int racers, unsigned seed)
{
    Numbers numbers(seed);
    std::string list = "Gender,Fiscode,Lastname,Firstname,Birthyear,Nationcode";
    for (const char* discipline : kDisciplines)
        list += std::string(",") + discipline + "points," + discipline + "pos," + discipline + "sta";
    list += "\r\n";
    list.reserve(static_cast<std::size_t>(racers) * 130 + list.size());

    for (int n = 0; n < racers; ++n) {
        const bool woman = numbers.Below(2) == 0;
        // Women's codes have 5-9 as third digit.
        const unsigned third = woman ? 5 + numbers.Below(5) : numbers.Below(5);
        const unsigned code = (1 + numbers.Below(9)) * 100000 + numbers.Below(10) * 10000 + third * 1000 +
                              numbers.Below(1000);
        std::string last = LastName(numbers);
        if (numbers.Below(500) == 0)
            last = "\"" + last + ", JR\"";
        const char* first = woman ? kFemaleNames[numbers.Below(kFemaleNames.size())]
                                  : kMaleNames[numbers.Below(kMaleNames.size())];

        list += woman ? "W," : "M,";
        list += std::to_string(code) + "," + last + "," + first + ",";
        list += std::to_string(1970 + numbers.Below(42)) + "," + kNations[numbers.Below(kNations.size())];
        for (std::size_t d = 0; d < kDisciplines.size(); ++d) {
            if (numbers.Below(4) == 0) {
                list += ",---,,";
                continue;
            }
            list += ',';
            list += Points(numbers);
            list += ',';
            list += std::to_string(1 + numbers.Below(3000));
            list += ',';
            if (numbers.Below(10) == 0)
                list += numbers.Below(2) ? "*" : "+";
        }
        list += "\r\n";
    }
    return list;
}

}  // namespace skitally::bench
