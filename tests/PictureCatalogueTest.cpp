#include "osd/PictureCatalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sim/EmbeddedPictures.h"

namespace vh {
namespace {

std::vector<PictureId> EveryCataloguedId() {
    std::vector<PictureId> ids;
    for (const auto& table : {std::vector<PictureId>(VolumeBarImages.begin(), VolumeBarImages.end()),
                              std::vector<PictureId>(VolumeArcImages.begin(), VolumeArcImages.end()),
                              std::vector<PictureId>(BrightnessUpImages.begin(), BrightnessUpImages.end()),
                              std::vector<PictureId>(BrightnessDownImages.begin(), BrightnessDownImages.end())})
        ids.insert(ids.end(), table.begin(), table.end());
    using namespace picture;
    ids.insert(ids.end(), {kMuteOff, kMuteOn, kWirelessOn, kWirelessOff, kTouchpadOn, kTouchpadOff, kEject, kHdmiIn,
                           kAcPower, kBattery});
    return ids;
}

TEST(PictureCatalogue, EveryIdIsEmbeddedWithTheShippedBytes) {
    for (PictureId id : EveryCataloguedId()) {
        const auto embedded = sim::FindEmbeddedPicture(id);
        ASSERT_FALSE(embedded.empty()) << id;
        std::ifstream file(std::string(VH_SOURCE_DIR) + "/res/png/" + std::to_string(id) + ".png", std::ios::binary);
        const std::vector<char> shipped((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_EQ(embedded.size(), shipped.size()) << id;
        EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), shipped.begin(),
                               [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }))
            << id;
    }
    EXPECT_TRUE(sim::FindEmbeddedPicture(195).empty());
}

TEST(PictureCatalogue, TablesFollowTheirLevels) {
    EXPECT_EQ(VolumeArcImages[0], 194);  // level 0 shows the struck-through speaker
    EXPECT_EQ(VolumeArcImages[3], 207);
    EXPECT_EQ(VolumeBarImages[10], 242);
    EXPECT_EQ(BrightnessUpImages[7], 139);
    EXPECT_EQ(BrightnessDownImages[0], 140);
}

}  // namespace
}  // namespace vh
