#pragma once

#include "sample/SampleRandom.h"

#include <string>

namespace zefa {

// Made-up names for the sample, UTF-8.

// A horse name of katakana, at most nine characters.
std::string horseName(SampleRandom& random);

// A person's full name "surname　given name", its short form (the surname) and its reading in
// half-width katakana.
struct PersonName {
    std::string full;
    std::string surname;
    std::string kana;
};
PersonName personName(SampleRandom& random);

// Where a horse comes from and who owns it.
struct HorseOrigin {
    std::string breeder;
    std::string birthplace;
    std::string owner;
};
HorseOrigin horseOrigin(SampleRandom& random);

// A name for a special race ("葉牡丹" and so on).
std::string raceTitle(SampleRandom& random);

} // namespace zefa
