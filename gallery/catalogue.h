#pragma once

#include <vector>

// One program the gallery offers, in the order a learner takes them: its
// executable's name, its window caption, one line on what it shows, the group
// of programs it belongs to (what they teach), its name in the gallery and its
// lesson (what it shows and which events drive it).
struct CatalogueEntry {
    const char* program;
    const char* caption;
    const char* summary;
    const char* group;
    const char* title;
    const char* lesson;
};

const std::vector<CatalogueEntry>& catalogue();
