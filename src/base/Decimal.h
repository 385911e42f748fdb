#pragma once
// A number in ASCII decimal digits, as UTF-16 text ("-12", "604").
#include <cstdint>
#include <string>

std::u16string Decimal(std::int64_t n);
