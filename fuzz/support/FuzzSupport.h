#pragma once
// What the fuzz targets share: the page-opening path of the viewer, and a
// way to stop on a broken promise so that libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

// A property the code under test promises does not hold: a finding.
#define FUZZ_REQUIRE(condition)                                                            \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// Opens `pageData` as the viewer opens a page resource (read into a new page
// control's page, lines initialised, the control sized), then clicks and
// drags over it in both selection modes. Malformed data must raise the
// core's data error and leave the page empty; anything else is a finding.
void OpenAndSelectPage(std::span<const std::uint8_t> pageData);
