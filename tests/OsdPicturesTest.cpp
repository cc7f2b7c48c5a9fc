// The OSD pictures as checked in under res/png/ and their generator: every picture id the OSD
// can show is there at its size and opaque, the drawings match what each id stands for, and the
// generator still produces exactly these files.
#include <gtest/gtest.h>

#include "tests/ScratchDir.h"
#include "tests/ToolCommand.h"
#include <png.h>

#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;
using vh::test::ScratchDir;

const fs::path kPictureDir = fs::path(VH_SOURCE_DIR) / "res" / "png";
constexpr const char* kContactSheet = "contact-sheet.png";

// Index = level, value = picture id.
const std::vector<int> kVolumeBarImages{232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242};
const std::vector<int> kVolumeArcImages{194, 196, 197, 207, 198, 199, 200, 201, 202, 203, 204};
const std::vector<int> kBrightnessUpImages{148, 149, 150, 151, 152, 153, 154, 139};
const std::vector<int> kBrightnessDownImages{140, 141, 142, 143, 144, 145, 146, 147};

// Every picture with its caption: the level tables above and the fixed pictures.
std::map<int, std::string> Captions() {
    std::map<int, std::string> captions{
        {155, "SPEAKERS"}, {156, "SPEAKERS"}, {157, "WIRELESS"}, {158, "WIRELESS"},
        {192, "TOUCHPAD"}, {193, "TOUCHPAD"}, {194, "MUTE"},     {212, "AC POWER"},
        {214, "ODD"},      {215, "HDMI IN"},  {220, "BATTERY"},
    };
    for (const int id : kBrightnessUpImages) {
        captions[id] = "BRIGHTER";
    }
    for (const int id : kBrightnessDownImages) {
        captions[id] = "DIMMER";
    }
    for (const int id : kVolumeBarImages) {
        captions[id] = "VOLUME";
    }
    for (std::size_t level = 1; level < kVolumeArcImages.size(); ++level) {
        captions[kVolumeArcImages[level]] = "VOLUME";
    }
    return captions;
}

int ExpectedWidth(int id) { return id == 212 || id == 220 ? 191 : 190; }
constexpr int kHeight = 114;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path PicturePath(int id) { return kPictureDir / (std::to_string(id) + ".png"); }

// --- decoding ------------------------------------------------------------------------------

struct Rgba {
    int red;
    int green;
    int blue;
    int alpha;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    Rgba at(int x, int y) const {
        const std::uint8_t* pixel = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
        return Rgba{pixel[0], pixel[1], pixel[2], pixel[3]};
    }
    // The bytes of rows [top, bottom).
    std::vector<std::uint8_t> Rows(int top, int bottom) const {
        const auto begin = rgba.begin() + static_cast<std::ptrdiff_t>(top) * width * 4;
        const auto end = rgba.begin() + static_cast<std::ptrdiff_t>(bottom) * width * 4;
        return std::vector<std::uint8_t>(begin, end);
    }
};

// Any PNG decoded to 8-bit RGBA (an image without alpha comes out with alpha 255).
std::optional<Image> Decode(const Bytes& file) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&png, file.data(), file.size()) == 0) {
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGBA;
    Image image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr) == 0) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

Image Load(int id) {
    std::optional<Image> image = Decode(ReadBytes(PicturePath(id)));
    EXPECT_TRUE(image.has_value()) << id;
    return image.value_or(Image{});
}

// Rows from here down hold the symbol; the caption stays above kCaptionRows.
constexpr int kSymbolTop = 20;
constexpr int kCaptionRows = 14;

// A strongly coloured pixel: the lit elements (sky blue, and the green of the loudest arcs)
// stand out from the grey panel and the dark unlit elements.
bool IsColoured(const Rgba& p) {
    const int high = std::max({p.red, p.green, p.blue});
    const int low = std::min({p.red, p.green, p.blue});
    return high - low > 60 && high > 120;
}

// Close to the light sky blue of lit elements.
bool IsLitBlue(const Rgba& p) {
    return std::abs(p.red - 132) <= 20 && std::abs(p.green - 206) <= 20 &&
           std::abs(p.blue - 247) <= 20;
}

template <typename Test>
int CountSymbolPixels(const Image& image, Test test) {
    int count = 0;
    for (int y = kSymbolTop; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            count += test(image.at(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// --- the files -----------------------------------------------------------------------------

TEST(OsdPictures, EveryPictureIdIsAnOpaque8BitPngOfItsSize) {
    for (const auto& [id, caption] : Captions()) {
        SCOPED_TRACE(id);
        const Bytes file = ReadBytes(PicturePath(id));
        ASSERT_GE(file.size(), 33U) << PicturePath(id) << " is missing";
        constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        ASSERT_TRUE(std::equal(kSignature.begin(), kSignature.end(), file.begin()));
        EXPECT_EQ(file[24], 8);                        // bits per channel
        EXPECT_TRUE(file[25] == 2 || file[25] == 6);   // RGB or RGBA
        EXPECT_EQ(file[28], 0);                        // not interlaced

        const std::optional<Image> image = Decode(file);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, ExpectedWidth(id));
        EXPECT_EQ(image->height, kHeight);
        // Alpha 255 everywhere, also when a transparency chunk would make a colour clear.
        for (std::size_t i = 3; i < image->rgba.size(); i += 4) {
            ASSERT_EQ(image->rgba[i], 255) << "pixel " << i / 4;
        }
    }
}

TEST(OsdPictures, FolderHoldsTheCataloguePicturesAndTheContactSheetOnly) {
    std::set<std::string> expected{kContactSheet};
    for (const auto& entry : Captions()) {
        expected.insert(std::to_string(entry.first) + ".png");
    }
    std::set<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(kPictureDir)) {
        found.insert(entry.path().filename().string());
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(expected.size(), 49U);  // 48 picture ids and the sheet
}

// --- the drawings --------------------------------------------------------------------------

TEST(OsdPictures, EveryPictureHasTheFramedPanelWithItsGlossySplit) {
    for (const auto& entry : Captions()) {
        const int id = entry.first;
        SCOPED_TRACE(id);
        const Image image = Load(id);
        ASSERT_EQ(image.height, kHeight);
        const int w = image.width;
        const int h = image.height;
        auto grey = [](const Rgba& p) { return p.red == p.green && p.green == p.blue ? p.red : -1; };
        for (int x = 0; x < w; ++x) {
            ASSERT_GE(grey(image.at(x, 0)), 180) << "outer line, x " << x;
            ASSERT_GE(grey(image.at(x, h - 1)), 180) << "outer line, x " << x;
            if (x >= 1 && x < w - 1) {
                ASSERT_EQ(grey(image.at(x, 1)), 0) << "inner line, x " << x;
                ASSERT_EQ(grey(image.at(x, h - 2)), 0) << "inner line, x " << x;
            }
        }
        for (int y = 0; y < h; ++y) {
            ASSERT_GE(grey(image.at(0, y)), 180) << "outer line, y " << y;
            ASSERT_GE(grey(image.at(w - 1, y)), 180) << "outer line, y " << y;
            if (y >= 1 && y < h - 1) {
                ASSERT_EQ(grey(image.at(1, y)), 0) << "inner line, y " << y;
                ASSERT_EQ(grey(image.at(w - 2, y)), 0) << "inner line, y " << y;
            }
        }
        // Along both sides, clear of caption and symbol: light to mid grey above the middle,
        // near black lightening slightly below it.
        for (const int x : {3, w - 4}) {
            SCOPED_TRACE(x);
            const int half = h / 2;
            EXPECT_NEAR(grey(image.at(x, 2)), 190, 8);
            EXPECT_NEAR(grey(image.at(x, half - 1)), 82, 8);
            EXPECT_NEAR(grey(image.at(x, half)), 24, 8);
            EXPECT_NEAR(grey(image.at(x, h - 3)), 49, 8);
            for (int y = 3; y < h - 2; ++y) {
                const int above = grey(image.at(x, y - 1));
                const int here = grey(image.at(x, y));
                if (y < half) {
                    ASSERT_LE(here, above) << "y " << y;
                } else if (y > half) {
                    ASSERT_GE(here, above) << "y " << y;
                }
            }
        }
    }
}

TEST(OsdPictures, PicturesShareTheirCaptionStripExactlyWhenTheyShareTheCaption) {
    // Pictures of one width show the same caption on identical pixels, and different ones not.
    std::map<std::string, std::vector<std::uint8_t>> stripOfCaption;
    std::map<int, std::set<std::string>> captionsOfWidth;
    for (const auto& [id, caption] : Captions()) {
        SCOPED_TRACE(id);
        const Image image = Load(id);
        ASSERT_EQ(image.height, kHeight);
        const std::vector<std::uint8_t> strip = image.Rows(2, kCaptionRows);
        const auto [known, inserted] = stripOfCaption.emplace(caption, strip);
        EXPECT_TRUE(inserted || known->second == strip) << caption;
        captionsOfWidth[image.width].insert(caption);
    }
    for (const auto& [width, captions] : captionsOfWidth) {
        for (const std::string& a : captions) {
            for (const std::string& b : captions) {
                if (a < b) {
                    EXPECT_NE(stripOfCaption[a], stripOfCaption[b]) << a << " / " << b;
                }
            }
        }
    }
}

TEST(OsdPictures, EachLevelLightsMoreThanTheLevelBelow) {
    const struct {
        const char* table;
        const std::vector<int>& ids;
        std::size_t firstLevel;  // 0 of the arc style is the struck-through speaker
        bool evenSteps;          // bars of one size: every level adds the same amount
    } tables[] = {
        {"VolumeBarImages", kVolumeBarImages, 0, true},
        {"VolumeArcImages", kVolumeArcImages, 1, false},
        {"BrightnessUpImages", kBrightnessUpImages, 0, true},
        {"BrightnessDownImages", kBrightnessDownImages, 0, true},
    };
    for (const auto& table : tables) {
        SCOPED_TRACE(table.table);
        std::vector<int> counts;
        for (std::size_t level = table.firstLevel; level < table.ids.size(); ++level) {
            counts.push_back(CountSymbolPixels(Load(table.ids[level]), IsColoured));
        }
        for (std::size_t i = 1; i < counts.size(); ++i) {
            SCOPED_TRACE(table.ids[table.firstLevel + i]);
            const int step = counts[i] - counts[i - 1];
            EXPECT_GT(step, 40);
            if (table.evenSteps) {
                const int firstStep = counts[1] - counts[0];
                EXPECT_NEAR(step, firstStep, firstStep / 5 + 2);
            }
        }
    }
}

TEST(OsdPictures, SwitchedOffSymbolsAreUnlit) {
    const struct {
        int on;
        int off;
    } pairs[] = {{157, 158}, {192, 193}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.on);
        EXPECT_GT(CountSymbolPixels(Load(pair.on), IsLitBlue), 200);
        EXPECT_EQ(CountSymbolPixels(Load(pair.off), IsLitBlue), 0);
    }
}

TEST(OsdPictures, RelatedPicturesDifferOnlyInTheirUpperOrLowerPart) {
    // first and second share rows [sameTop, sameBottom) and differ in rows [otherTop, otherBottom).
    struct Pair {
        int first;
        int second;
        int sameTop;
        int sameBottom;
        int otherTop;
        int otherBottom;
    };
    std::vector<Pair> pairs{
        // Mute on and off: the same slider under a different speaker.
        {155, 156, 78, kHeight, kSymbolTop, 78},
    };
    // Brighter and dimmer of one level: the same bars under a different sun and triangle.
    for (std::size_t level = 0; level < kBrightnessUpImages.size(); ++level) {
        pairs.push_back({kBrightnessUpImages[level], kBrightnessDownImages[level], 78, kHeight,
                         kSymbolTop, 78});
    }
    // Bar-style volume levels: the same speaker over different bars.
    for (std::size_t level = 1; level < kVolumeBarImages.size(); ++level) {
        pairs.push_back({kVolumeBarImages[level - 1], kVolumeBarImages[level], 0, 80, 80, kHeight});
    }
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(std::to_string(pair.first) + " / " + std::to_string(pair.second));
        const Image first = Load(pair.first);
        const Image second = Load(pair.second);
        ASSERT_EQ(first.height, kHeight);
        ASSERT_EQ(second.height, kHeight);
        EXPECT_EQ(first.Rows(pair.sameTop, pair.sameBottom), second.Rows(pair.sameTop, pair.sameBottom));
        EXPECT_NE(first.Rows(pair.otherTop, pair.otherBottom),
                  second.Rows(pair.otherTop, pair.otherBottom));
    }
}

// --- the generator -------------------------------------------------------------------------

#ifdef VH_OSDGEN

std::string OsdgenCommand(std::initializer_list<fs::path> arguments) {
    return vh::test::ToolCommand(VH_OSDGEN, arguments);
}

TEST(OsdPictures, GeneratorReproducesTheCheckedInPicturesByteForByte) {
    const ScratchDir scratch;
    ASSERT_FALSE(scratch.path().empty());
    const std::string command = OsdgenCommand({scratch.path()});
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::set<std::string> generated;
    for (const fs::directory_entry& entry : fs::directory_iterator(scratch.path())) {
        generated.insert(entry.path().filename().string());
    }
    std::set<std::string> checkedIn;
    for (const fs::directory_entry& entry : fs::directory_iterator(kPictureDir)) {
        checkedIn.insert(entry.path().filename().string());
    }
    EXPECT_EQ(generated, checkedIn);
    for (const std::string& name : generated) {
        SCOPED_TRACE(name);
        const Bytes file = ReadBytes(scratch.path() / name);
        ASSERT_FALSE(file.empty());
        EXPECT_TRUE(file == ReadBytes(kPictureDir / name))
            << "res/png is out of date: run tools/regen-pictures.sh";
    }
}

TEST(OsdPictures, GeneratorRefusesWrongArgumentsAndUnwritableFolders) {
    const ScratchDir scratch;
    ASSERT_FALSE(scratch.path().empty());
    const struct {
        std::string command;
        int exitCode;
    } cases[] = {
        {OsdgenCommand({}), 2},
        {OsdgenCommand({scratch.path(), scratch.path()}), 2},
        {OsdgenCommand({scratch.path() / "missing"}), 1},
    };
    for (const auto& [command, exitCode] : cases) {
        SCOPED_TRACE(command);
        const int status = std::system((command + " 2>/dev/null").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), exitCode);
    }
}
#endif

}  // namespace
