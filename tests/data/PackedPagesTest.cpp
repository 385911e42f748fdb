// The pages as the executable carries them (the packed resources): read
// through the same unpacking source as the viewer, every page gives back the
// bytes of the composed page.
#include <gtest/gtest.h>

#include <vector>

#include "base/ResourceFolder.h"
#include "pagemodel/PackedPage.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/UnpackingResourceSource.h"

TEST(PackedPages, EveryPageUnpacksToTheComposedBytes) {
    const TResourceFolder composed(TIRAVEL_RESOURCES_DIR), stored(TIRAVEL_PACKED_DIR);
    const TUnpackingResourceSource packed(stored);
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        const std::u16string name = PageResourceName(n);
        ASSERT_TRUE(IsPackedPage(RequireResource(stored, name).Bytes)) << "page " << n << " is not packed";
        const TResourceBytes original = RequireResource(composed, name), unpacked = RequireResource(packed, name);
        ASSERT_TRUE(std::equal(original.Bytes.begin(), original.Bytes.end(), unpacked.Bytes.begin(),
                               unpacked.Bytes.end()))
            << "page " << n << " does not unpack to its composed bytes";
    }
}
