#include <gtest/gtest.h>

#include <string>

#include <pugixml.hpp>

#include "text/XmlParseMemory.h"

// A document parsed under the parse memory takes its nodes from whole blocks
// of a megabyte, however many small pages it asks for, and the parser's own
// allocation is back in place afterwards.
TEST(XmlParseMemory, NodesComeFromWholeBlocksAndTheParserIsRestoredAfter) {
    const auto allocate = pugi::get_memory_allocation_function();
    const auto deallocate = pugi::get_memory_deallocation_function();
    std::string xml = "<ayat>";
    for (int i = 0; i < 40000; ++i) xml += "<entry sura=\"1\" aya=\"" + std::to_string(i) + "\"><a>x</a></entry>";
    xml += "</ayat>";
    {
        TXmlParseMemory memory;
        pugi::xml_document document;
        ASSERT_TRUE(document.load_buffer_inplace(xml.data(), xml.size()));  // as the store parses
        EXPECT_EQ(std::distance(document.child("ayat").begin(), document.child("ayat").end()), 40000);
        EXPECT_GT(memory.Reserved(), std::size_t(1) << 20);  // the nodes outgrow one block
        EXPECT_EQ(memory.Reserved() % (std::size_t(1) << 20), 0u);
        EXPECT_NE(pugi::get_memory_allocation_function(), allocate);
    }
    EXPECT_EQ(pugi::get_memory_allocation_function(), allocate);
    EXPECT_EQ(pugi::get_memory_deallocation_function(), deallocate);
    pugi::xml_document after;  // parses as before
    EXPECT_TRUE(after.load_string("<ayat><entry/></ayat>"));
}
