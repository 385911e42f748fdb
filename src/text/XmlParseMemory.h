#pragma once
// The XML parser's memory for one document, taken in blocks of 1 MB and
// freed whole when the parse is over. The parser asks for its nodes in pages
// of 32 KB; the Windows heap keeps most of such small blocks committed once
// they are freed (4 MB of the store's 6 MB of nodes stay resident under
// Wine), while a block of a megabyte goes back to the system.
//
// While an object of this class lives, every pugixml allocation comes from
// it, and documents made meanwhile must be gone before it is: declare it
// before the document. One such parse runs at a time; others wait.
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

class TXmlParseMemory {
public:
    TXmlParseMemory();
    ~TXmlParseMemory();
    TXmlParseMemory(const TXmlParseMemory&) = delete;
    TXmlParseMemory& operator=(const TXmlParseMemory&) = delete;

    // Bytes taken from the system so far, in whole blocks.
    std::size_t Reserved() const { return FReserved; }

private:
    static void* Allocate(std::size_t size);
    static void Deallocate(void* block);
    void* Take(std::size_t size);

    std::unique_lock<std::mutex> FOnlyParse;
    std::vector<std::unique_ptr<unsigned char[]>> FBlocks;
    std::size_t FUsed = 0;  // of the last block
    std::size_t FLastSize = 0;
    std::size_t FReserved = 0;
    void* (*FPreviousAllocate)(std::size_t) = nullptr;
    void (*FPreviousDeallocate)(void*) = nullptr;
};
