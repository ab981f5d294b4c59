#pragma once

#include <QString>

#include <vector>

// One program the gallery offers: its executable's name, its window caption
// and one line on what it shows.
struct CatalogueEntry {
    const char* program;
    const char* caption;
    const char* summary;
};

const std::vector<CatalogueEntry>& catalogue();
