#include "text/XmlParseMemory.h"

#include <pugixml.hpp>

namespace {

constexpr std::size_t BlockSize = std::size_t(1) << 20;
constexpr std::size_t Alignment = alignof(std::max_align_t);

std::mutex ParseLock;
TXmlParseMemory* Current = nullptr;  // guarded by ParseLock

}  // namespace

TXmlParseMemory::TXmlParseMemory()
    : FOnlyParse(ParseLock),
      FPreviousAllocate(pugi::get_memory_allocation_function()),
      FPreviousDeallocate(pugi::get_memory_deallocation_function()) {
    Current = this;
    pugi::set_memory_management_functions(&Allocate, &Deallocate);
}

TXmlParseMemory::~TXmlParseMemory() {
    pugi::set_memory_management_functions(FPreviousAllocate, FPreviousDeallocate);
    Current = nullptr;
}

void* TXmlParseMemory::Allocate(std::size_t size) { return Current->Take(size); }

// Freed with the blocks.
void TXmlParseMemory::Deallocate(void*) {}

void* TXmlParseMemory::Take(std::size_t size) {
    size = (size + Alignment - 1) / Alignment * Alignment;
    if (FBlocks.empty() || FLastSize - FUsed < size) {
        // A request larger than a block gets a block of its own.
        const std::size_t blockSize = size > BlockSize ? size : BlockSize;
        FBlocks.push_back(std::make_unique_for_overwrite<unsigned char[]>(blockSize));
        FLastSize = blockSize;
        FUsed = 0;
        FReserved += blockSize;
    }
    void* at = FBlocks.back().get() + FUsed;
    FUsed += size;
    return at;
}
