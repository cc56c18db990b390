#pragma once

#include "sample/SampleRandom.h"

#include <string>

namespace zefa {

// Made-up names for the sample, UTF-8.

// A horse name of katakana, at most nine characters.
std::string horseName(SampleRandom& random);

// A person's full name "surname　given name" and its short form (the surname).
struct PersonName {
    std::string full;
    std::string surname;
};
PersonName personName(SampleRandom& random);

// A name for a special race ("葉牡丹" and so on).
std::string raceTitle(SampleRandom& random);

} // namespace zefa
