// The icons as checked in (the program's under res/icons/, the Setup launcher's under
// setup/icons/), their generator, and the compiled resource scripts (dialog templates, icon
// groups, manifests).
#include <gtest/gtest.h>

#include "tests/ScratchDir.h"
#include "tests/ToolCommand.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;
using vh::test::ScratchDir;

const fs::path kSourceDir{VH_SOURCE_DIR};
const fs::path kIconDir = kSourceDir / "res" / "icons";
const fs::path kSetupIconDir = kSourceDir / "setup" / "icons";
constexpr std::array<const char*, 3> kIconFiles{"VarnoHotkey.ico", "NumLockOff.ico",
                                                "NumLockOn.ico"};
constexpr const char* kSetupIconFile = "Setup.ico";

// Every checked-in icon, relative to the source tree.
std::vector<fs::path> AllIconPaths() {
    std::vector<fs::path> paths;
    for (const char* name : kIconFiles) {
        paths.push_back(fs::path("res") / "icons" / name);
    }
    paths.push_back(fs::path("setup") / "icons" / kSetupIconFile);
    return paths;
}
constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (static_cast<std::uint32_t>(bytes[at + 1]) << 8);
}

std::uint32_t U32(const Bytes& bytes, std::size_t at) {
    return U16(bytes, at) | (U16(bytes, at + 2) << 16);
}

std::uint32_t U32BigEndian(const Bytes& bytes, std::size_t at) {
    return (static_cast<std::uint32_t>(bytes[at]) << 24) | (bytes[at + 1] << 16) |
           (bytes[at + 2] << 8) | bytes[at + 3];
}


// --- .ico reading --------------------------------------------------------------------------

struct IcoImage {
    int size = 0;  // the directory's width; 0 there means 256
    int height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    Bytes data;
};

// The images of an .ico file, or nothing when its directory is malformed or points outside it.
std::optional<std::vector<IcoImage>> ParseIco(const Bytes& file) {
    if (file.size() < 6 || U16(file, 0) != 0 || U16(file, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t count = U16(file, 4);
    if (file.size() < 6 + 16 * count) {
        return std::nullopt;
    }
    std::vector<IcoImage> images;
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t entry = 6 + 16 * index;
        IcoImage image;
        image.size = file[entry] == 0 ? 256 : file[entry];
        image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
        image.planes = U16(file, entry + 4);
        image.bitCount = U16(file, entry + 6);
        const std::size_t length = U32(file, entry + 8);
        const std::size_t offset = U32(file, entry + 12);
        if (offset > file.size() || length > file.size() - offset) {
            return std::nullopt;
        }
        image.data.assign(file.begin() + static_cast<std::ptrdiff_t>(offset),
                          file.begin() + static_cast<std::ptrdiff_t>(offset + length));
        images.push_back(std::move(image));
    }
    return images;
}

bool IsPng(const Bytes& data) {
    static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return data.size() >= 8 && std::equal(kSignature.begin(), kSignature.end(), data.begin());
}

// Straight-alpha pixels of a DIB entry, top-down, plus its AND mask (true = transparent).
struct DibPixels {
    int size = 0;
    std::vector<std::array<std::uint8_t, 4>> bgra;
    std::vector<bool> transparentInMask;

    const std::array<std::uint8_t, 4>& at(int x, int y) const {
        return bgra[static_cast<std::size_t>(y) * size + x];
    }
};

// Decodes a 32-bit DIB entry; nothing when the header or the length does not fit the size.
std::optional<DibPixels> DecodeDib(const IcoImage& image) {
    const Bytes& data = image.data;
    const auto size = static_cast<std::size_t>(image.size);
    const std::size_t maskStride = (size + 31) / 32 * 4;
    const std::size_t colourBytes = size * size * 4;
    if (data.size() != 40 + colourBytes + maskStride * size || U32(data, 0) != 40 ||
        U32(data, 4) != size || U32(data, 8) != 2 * size || U16(data, 12) != 1 ||
        U16(data, 14) != 32 || U32(data, 16) != 0) {
        return std::nullopt;
    }
    DibPixels pixels;
    pixels.size = image.size;
    pixels.bgra.resize(size * size);
    pixels.transparentInMask.resize(size * size);
    for (std::size_t y = 0; y < size; ++y) {
        const std::size_t storedRow = size - 1 - y;  // rows are stored bottom-up
        for (std::size_t x = 0; x < size; ++x) {
            const std::size_t colour = 40 + (storedRow * size + x) * 4;
            std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(colour), 4,
                        pixels.bgra[y * size + x].begin());
            const std::uint8_t maskByte = data[40 + colourBytes + storedRow * maskStride + x / 8];
            pixels.transparentInMask[y * size + x] = (maskByte & (0x80 >> (x % 8))) != 0;
        }
    }
    return pixels;
}

std::vector<IcoImage> LoadIcon(const char* name) {
    const std::optional<std::vector<IcoImage>> images = ParseIco(ReadBytes(kIconDir / name));
    return images ? *images : std::vector<IcoImage>{};
}

// --- the checked-in icons ------------------------------------------------------------------

TEST(IconResources, EveryIconHoldsSixSizesOf32BitColourWithAlpha) {
    for (const fs::path& name : AllIconPaths()) {
        SCOPED_TRACE(name.string());
        const std::optional<std::vector<IcoImage>> images = ParseIco(ReadBytes(kSourceDir / name));
        ASSERT_TRUE(images.has_value());

        std::vector<int> sizes;
        for (const IcoImage& image : *images) {
            SCOPED_TRACE(image.size);
            sizes.push_back(image.size);
            EXPECT_EQ(image.height, image.size);
            EXPECT_EQ(image.planes, 1U);
            EXPECT_EQ(image.bitCount, 32U);

            if (image.size == 256) {
                // 256 pixels are stored as PNG: 8-bit RGBA of the same size.
                ASSERT_TRUE(IsPng(image.data));
                ASSERT_GE(image.data.size(), 33U);
                EXPECT_EQ(U32BigEndian(image.data, 16), 256U);
                EXPECT_EQ(U32BigEndian(image.data, 20), 256U);
                EXPECT_EQ(image.data[24], 8);  // bit depth
                EXPECT_EQ(image.data[25], 6);  // colour type RGBA
                continue;
            }
            const std::optional<DibPixels> pixels = DecodeDib(image);
            ASSERT_TRUE(pixels.has_value());
            // The mask must agree with the alpha channel, or old readers show a black frame.
            for (std::size_t i = 0; i < pixels->bgra.size(); ++i) {
                ASSERT_EQ(pixels->transparentInMask[i], pixels->bgra[i][3] == 0) << "pixel " << i;
            }
            // Rounded artwork: a clear corner, an opaque middle.
            const int middle = image.size / 2;
            EXPECT_EQ(pixels->at(0, 0)[3], 0);
            EXPECT_EQ(pixels->at(middle, middle)[3], 255);
        }
        std::sort(sizes.begin(), sizes.end());
        EXPECT_EQ(sizes, std::vector<int>(kIconSizes.begin(), kIconSizes.end()));
    }
}

TEST(IconResources, NumLockOffDiffersFromOnOnlyByARedSignInTheTopRightQuadrant) {
    const std::vector<IcoImage> off = LoadIcon("NumLockOff.ico");
    const std::vector<IcoImage> on = LoadIcon("NumLockOn.ico");
    ASSERT_EQ(off.size(), on.size());
    for (std::size_t index = 0; index < off.size(); ++index) {
        if (off[index].size == 256) {
            continue;  // PNG entry; the DIB sizes cover the drawing
        }
        SCOPED_TRACE(off[index].size);
        const std::optional<DibPixels> offPixels = DecodeDib(off[index]);
        const std::optional<DibPixels> onPixels = DecodeDib(on[index]);
        ASSERT_TRUE(offPixels && onPixels);
        ASSERT_EQ(offPixels->size, onPixels->size);

        const int size = offPixels->size;
        int changedInQuadrant = 0;
        int redInOff = 0;
        int redInOn = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const auto& a = offPixels->at(x, y);
                const auto& b = onPixels->at(x, y);
                const bool inTopRight = x >= size / 2 && y < size / 2;
                if (!inTopRight) {
                    ASSERT_EQ(a, b) << "x " << x << " y " << y;
                    continue;
                }
                changedInQuadrant += a != b ? 1 : 0;
                auto isRed = [](const std::array<std::uint8_t, 4>& p) {
                    return p[3] == 255 && p[2] > 180 && p[1] < 80 && p[0] < 80;
                };
                redInOff += isRed(a) ? 1 : 0;
                redInOn += isRed(b) ? 1 : 0;
            }
        }
        EXPECT_GT(changedInQuadrant, size * size / 40);
        EXPECT_GT(redInOff, 0);
        EXPECT_EQ(redInOn, 0);
    }
}

// --- the generator -------------------------------------------------------------------------

#ifdef VH_ICONGEN
std::string IcongenCommand(std::initializer_list<fs::path> folders) {
    return vh::test::ToolCommand(VH_ICONGEN, folders);
}

TEST(IconResources, GeneratorReproducesTheCheckedInIconsByteForByte) {
    // Called as tools/regen-icons.sh calls it: the program's folder, then the launcher's.
    const ScratchDir scratch;
    ASSERT_FALSE(scratch.path().empty());
    const fs::path programDir = scratch.path() / "res" / "icons";
    const fs::path setupDir = scratch.path() / "setup" / "icons";
    ASSERT_TRUE(fs::create_directories(programDir) && fs::create_directories(setupDir));
    const std::string command = IcongenCommand({programDir, setupDir});
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const fs::path& name : AllIconPaths()) {
        SCOPED_TRACE(name.string());
        const Bytes generated = ReadBytes(scratch.path() / name);
        const Bytes checkedIn = ReadBytes(kSourceDir / name);
        ASSERT_FALSE(generated.empty());
        EXPECT_TRUE(generated == checkedIn)
            << name.parent_path().string() << " is out of date: run tools/regen-icons.sh";
    }
    // Nothing of the launcher lands among the program's icons, nor the other way round.
    EXPECT_FALSE(fs::exists(programDir / kSetupIconFile));
    EXPECT_EQ(std::distance(fs::directory_iterator(setupDir), fs::directory_iterator()), 1);
}

TEST(IconResources, GeneratorWithOneFolderWritesAllFourIconsThere) {
    const ScratchDir scratch;
    ASSERT_FALSE(scratch.path().empty());
    const std::string command = IcongenCommand({scratch.path()});
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const fs::path& name : AllIconPaths()) {
        SCOPED_TRACE(name.string());
        EXPECT_TRUE(ReadBytes(scratch.path() / name.filename()) == ReadBytes(kSourceDir / name));
    }
}

TEST(IconResources, GeneratorRefusesWrongArgumentsAndUnwritableFolders) {
    const ScratchDir scratch;
    ASSERT_FALSE(scratch.path().empty());
    const fs::path missing = scratch.path() / "missing";
    const struct {
        std::string command;
        int exitCode;
    } cases[] = {
        {IcongenCommand({}), 2},
        {IcongenCommand({scratch.path(), scratch.path(), scratch.path()}), 2},
        {IcongenCommand({missing}), 1},
        {IcongenCommand({scratch.path(), missing}), 1},
    };
    for (const auto& [command, exitCode] : cases) {
        SCOPED_TRACE(command);
        const int status = std::system((command + " 2>/dev/null").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), exitCode);
    }
}
#endif

// --- the compiled resource script ----------------------------------------------------------

#ifdef VH_WINDRES
constexpr std::uint32_t kTypeIcon = 3;
constexpr std::uint32_t kTypeDialog = 5;
constexpr std::uint32_t kTypeGroupIcon = 14;
constexpr std::uint32_t kTypeManifest = 24;

constexpr std::uint32_t kTypeVersion = 16;

struct Resource {
    std::uint32_t type = 0;  // ordinal types only; 0 when given as a string
    std::uint32_t name = 0;  // 0 when given as a string
    std::u16string nameText;  // the name when given as a string ("" for an ordinal)
    Bytes data;
};

// Reads a string-or-ordinal field of a .res header or dialog template, moving past it.
std::optional<std::u16string> ReadNameOrOrdinal(const Bytes& bytes, std::size_t& at,
                                                std::uint32_t* ordinal) {
    if (at + 2 > bytes.size()) {
        return std::nullopt;
    }
    if (U16(bytes, at) == 0xFFFF) {
        if (ordinal != nullptr) {
            *ordinal = U16(bytes, at + 2);
        }
        at += 4;
        return std::u16string();
    }
    std::u16string text;
    for (; at + 2 <= bytes.size(); at += 2) {
        const auto unit = static_cast<char16_t>(U16(bytes, at));
        if (unit == 0) {
            at += 2;
            return text;
        }
        text.push_back(unit);
    }
    return std::nullopt;
}

std::u16string Uppercase(std::u16string text) {
    for (char16_t& unit : text) {
        if (unit >= u'a' && unit <= u'z') {
            unit = static_cast<char16_t>(unit - u'a' + u'A');
        }
    }
    return text;
}

std::vector<Resource> ParseRes(const Bytes& file) {
    std::vector<Resource> resources;
    std::size_t at = 0;
    while (at + 8 <= file.size()) {
        const std::size_t dataSize = U32(file, at);
        const std::size_t headerSize = U32(file, at + 4);
        if (headerSize < 8 || at + headerSize + dataSize > file.size()) {
            break;
        }
        Resource resource;
        std::size_t field = at + 8;
        if (!ReadNameOrOrdinal(file, field, &resource.type)) {
            break;
        }
        const std::optional<std::u16string> nameText = ReadNameOrOrdinal(file, field, &resource.name);
        if (!nameText) {
            break;
        }
        resource.nameText = *nameText;
        const std::size_t data = at + headerSize;
        resource.data.assign(file.begin() + static_cast<std::ptrdiff_t>(data),
                             file.begin() + static_cast<std::ptrdiff_t>(data + dataSize));
        if (dataSize != 0) {  // the first, empty entry only marks the file format
            resources.push_back(std::move(resource));
        }
        at = (data + dataSize + 3) & ~static_cast<std::size_t>(3);
    }
    return resources;
}

const Resource* Find(const std::vector<Resource>& resources, std::uint32_t type, std::uint32_t name) {
    const auto found = std::find_if(resources.begin(), resources.end(), [&](const Resource& r) {
        return r.type == type && r.name == name;
    });
    return found == resources.end() ? nullptr : &*found;
}

const Resource* FindNamed(const std::vector<Resource>& resources, std::uint32_t type,
                          std::u16string_view name) {
    const auto found = std::find_if(resources.begin(), resources.end(), [&](const Resource& r) {
        return r.type == type && r.name == 0 && Uppercase(r.nameText) == Uppercase(std::u16string(name));
    });
    return found == resources.end() ? nullptr : &*found;
}

// The resources of a script compiled by windres, its folder as the include path; empty when
// windres fails.
std::vector<Resource> CompileScript(const fs::path& script) {
    const ScratchDir scratch;
    if (scratch.path().empty()) {
        return {};
    }
    const fs::path output = scratch.path() / script.filename().replace_extension(".res");
    const std::string command = std::string("\"") + VH_WINDRES + "\" -DUNICODE -I \"" +
                                script.parent_path().string() + "\" -i \"" + script.string() +
                                "\" --output-format=res -o \"" + output.string() + "\"";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return ParseRes(ReadBytes(output));
}

class IconResourcesScript : public testing::Test {
protected:
    static void SetUpTestSuite() { resources_ = CompileScript(kSourceDir / "res" / "VarnoHotkey.rc"); }
    static void TearDownTestSuite() { resources_.clear(); }

    static std::vector<Resource> resources_;
};

std::vector<Resource> IconResourcesScript::resources_;

struct DialogExpectation {
    std::uint32_t id;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::uint32_t controls;
    std::uint32_t width;
    std::uint32_t height;
    std::u16string windowClass;
    std::u16string title;
};

TEST_F(IconResourcesScript, DialogTemplatesHaveTheirStylesSizesClassesAndTitles) {
    const DialogExpectation expectations[] = {
        // DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | WS_SYSMENU
        {100, 0x80C800C8, 0, 4, 170, 62, u"", u"About VarnoHotkey"},
        // WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS, never WS_VISIBLE; APPWINDOW | TRANSPARENT
        {102, 0x80080048, 0x00040020, 3, 320, 200, u"VarnoHotkeyClass", u""},
        {131, 0x80080048, 0, 0, 187, 95, u"", u""},
    };
    ASSERT_FALSE(resources_.empty()) << "windres failed on res/VarnoHotkey.rc";
    for (const DialogExpectation& expected : expectations) {
        SCOPED_TRACE(expected.id);
        const Resource* dialog = Find(resources_, kTypeDialog, expected.id);
        ASSERT_NE(dialog, nullptr);
        const Bytes& t = dialog->data;
        ASSERT_GE(t.size(), 26U);
        ASSERT_EQ(U16(t, 0), 1U);  // DLGTEMPLATEEX
        ASSERT_EQ(U16(t, 2), 0xFFFFU);
        EXPECT_EQ(U32(t, 8), expected.exStyle);
        EXPECT_EQ(U32(t, 12), expected.style);
        EXPECT_EQ(U16(t, 16), expected.controls);
        EXPECT_EQ(U16(t, 22), expected.width);
        EXPECT_EQ(U16(t, 24), expected.height);

        std::size_t at = 26;
        std::uint32_t ordinal = 0;
        const auto menu = ReadNameOrOrdinal(t, at, &ordinal);
        const auto windowClass = ReadNameOrOrdinal(t, at, &ordinal);
        const auto title = ReadNameOrOrdinal(t, at, nullptr);
        ASSERT_TRUE(menu && windowClass && title);
        EXPECT_EQ(*menu, u"");
        // windres stores the class name in capitals; window class names are matched without
        // regard to case, so the dialog still gets the class registered as "VarnoHotkeyClass".
        EXPECT_EQ(Uppercase(*windowClass), Uppercase(expected.windowClass));
        EXPECT_EQ(*title, expected.title);

        ASSERT_GE(t.size(), at + 6);
        EXPECT_EQ(U16(t, at), 8U);  // point size
        at += 6;
        const auto typeface = ReadNameOrOrdinal(t, at, nullptr);
        ASSERT_TRUE(typeface);
        EXPECT_EQ(*typeface, u"MS Shell Dlg");
    }
}

TEST_F(IconResourcesScript, IconGroupsHoldSixImagesAndTheManifestAsksForUiAccess) {
    ASSERT_FALSE(resources_.empty()) << "windres failed on res/VarnoHotkey.rc";
    for (const std::uint32_t id : {128U, 221U, 222U}) {
        SCOPED_TRACE(id);
        const Resource* group = Find(resources_, kTypeGroupIcon, id);
        ASSERT_NE(group, nullptr);
        ASSERT_GE(group->data.size(), 6U);
        const std::size_t count = U16(group->data, 4);
        ASSERT_EQ(count, kIconSizes.size());
        ASSERT_EQ(group->data.size(), 6 + 14 * count);
        for (std::size_t entry = 0; entry < count; ++entry) {
            const std::size_t at = 6 + 14 * entry;
            EXPECT_EQ(U16(group->data, at + 6), 32U);  // bits a pixel
            EXPECT_NE(Find(resources_, kTypeIcon, U16(group->data, at + 12)), nullptr);
        }
    }

    const Resource* manifest = Find(resources_, kTypeManifest, 1);
    ASSERT_NE(manifest, nullptr);
    const std::string text(manifest->data.begin(), manifest->data.end());
    for (const char* needle :
         {"level=\"asInvoker\"", "uiAccess=\"true\"", ">true</dpiAware>",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "publicKeyToken=\"6595b64144ccf1df\""}) {
        EXPECT_NE(text.find(needle), std::string::npos) << needle;
    }
}

// The Setup launcher's script: its icon under two group names, its manifest and version block.
class IconResourcesSetupScript : public testing::Test {
protected:
    static void SetUpTestSuite() { resources_ = CompileScript(kSourceDir / "setup" / "Setup.rc"); }
    static void TearDownTestSuite() { resources_.clear(); }

    static std::vector<Resource> resources_;
};

std::vector<Resource> IconResourcesSetupScript::resources_;

TEST_F(IconResourcesSetupScript, BothIconGroupsCarryTheSixImagesOfTheCheckedInIcon) {
    ASSERT_FALSE(resources_.empty()) << "windres failed on setup/Setup.rc";
    const std::optional<std::vector<IcoImage>> icon =
        ParseIco(ReadBytes(kSetupIconDir / kSetupIconFile));
    ASSERT_TRUE(icon.has_value());

    const struct {
        const char* label;
        const Resource* group;
    } groups[] = {
        {"IDI_QUENLO", FindNamed(resources_, kTypeGroupIcon, u"IDI_QUENLO")},
        {"108", Find(resources_, kTypeGroupIcon, 108)},
    };
    for (const auto& [label, group] : groups) {
        SCOPED_TRACE(label);
        ASSERT_NE(group, nullptr);
        ASSERT_GE(group->data.size(), 6U);
        const std::size_t count = U16(group->data, 4);
        ASSERT_EQ(count, icon->size());
        ASSERT_EQ(group->data.size(), 6 + 14 * count);
        for (std::size_t entry = 0; entry < count; ++entry) {
            SCOPED_TRACE(entry);
            const std::size_t at = 6 + 14 * entry;
            EXPECT_EQ(U16(group->data, at + 6), 32U);  // bits a pixel
            const Resource* image = Find(resources_, kTypeIcon, U16(group->data, at + 12));
            ASSERT_NE(image, nullptr);
            EXPECT_TRUE(image->data == (*icon)[entry].data);
        }
    }
}

// One node of a version block: wLength, wValueLength, wType, the key, then the value and the
// children, each starting on a 4-byte boundary.
struct VersionNode {
    std::u16string key;
    std::size_t valueAt = 0;
    std::size_t valueLength = 0;  // in bytes for binary values, in characters for text
    bool text = false;
    std::vector<VersionNode> children;
};

std::optional<VersionNode> ParseVersionNode(const Bytes& data, std::size_t at, std::size_t end) {
    if (at + 6 > end) {
        return std::nullopt;
    }
    const std::size_t nodeEnd = at + U16(data, at);
    if (nodeEnd > end || nodeEnd < at + 6) {
        return std::nullopt;
    }
    VersionNode node;
    node.valueLength = U16(data, at + 2);
    node.text = U16(data, at + 4) == 1;
    std::size_t cursor = at + 6;
    const std::optional<std::u16string> key = ReadNameOrOrdinal(data, cursor, nullptr);
    if (!key) {
        return std::nullopt;
    }
    node.key = *key;
    cursor = (cursor + 3) & ~static_cast<std::size_t>(3);
    node.valueAt = cursor;
    cursor += node.text ? node.valueLength * 2 : node.valueLength;
    for (cursor = (cursor + 3) & ~static_cast<std::size_t>(3); cursor < nodeEnd;) {
        const std::optional<VersionNode> child = ParseVersionNode(data, cursor, nodeEnd);
        if (!child || U16(data, cursor) == 0) {
            return std::nullopt;
        }
        node.children.push_back(*child);
        cursor = (cursor + U16(data, cursor) + 3) & ~static_cast<std::size_t>(3);
    }
    return node;
}

TEST_F(IconResourcesSetupScript, ManifestRunsAsInvokerAndTheVersionBlockNamesSetupExe) {
    ASSERT_FALSE(resources_.empty()) << "windres failed on setup/Setup.rc";
    const Resource* manifest = Find(resources_, kTypeManifest, 1);
    ASSERT_NE(manifest, nullptr);
    const std::string text(manifest->data.begin(), manifest->data.end());
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);

    const Resource* version = Find(resources_, kTypeVersion, 1);
    ASSERT_NE(version, nullptr);
    const Bytes& data = version->data;
    const std::optional<VersionNode> root = ParseVersionNode(data, 0, data.size());
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->key, u"VS_VERSION_INFO");
    ASSERT_EQ(root->valueLength, 52U);                       // VS_FIXEDFILEINFO
    EXPECT_EQ(U32(data, root->valueAt), 0xFEEF04BDU);         // its signature
    EXPECT_EQ(U32(data, root->valueAt + 8), 0x00000000U);     // file version 0.0
    EXPECT_EQ(U32(data, root->valueAt + 12), 0x00000001U);    //              .0.1
    EXPECT_EQ(U32(data, root->valueAt + 16), 0x00000000U);    // product version 0.0
    EXPECT_EQ(U32(data, root->valueAt + 20), 0x00000001U);    //                 .0.1

    std::vector<std::pair<std::u16string, std::u16string>> strings;
    for (const VersionNode& block : root->children) {
        if (block.key != u"StringFileInfo") {
            continue;
        }
        for (const VersionNode& table : block.children) {
            for (const VersionNode& entry : table.children) {
                std::u16string value;
                for (std::size_t i = 0; i < entry.valueLength; ++i) {
                    const auto unit = static_cast<char16_t>(U16(data, entry.valueAt + 2 * i));
                    if (unit == 0) {
                        break;
                    }
                    value.push_back(unit);
                }
                strings.emplace_back(entry.key, value);
            }
        }
    }
    const struct {
        const char* label;
        std::u16string key;
        std::u16string value;
    } expectations[] = {
        {"FileDescription", u"FileDescription", u"Setup.exe"},
        {"OriginalFilename", u"OriginalFilename", u"Setup.exe"},
        {"ProductName", u"ProductName", u"Setup.exe"},
        {"FileVersion", u"FileVersion", u"0.0.0.1"},
        {"ProductVersion", u"ProductVersion", u"0.0.0.1"},
    };
    for (const auto& [label, key, value] : expectations) {
        SCOPED_TRACE(label);
        const auto found = std::find_if(strings.begin(), strings.end(),
                                        [&](const auto& pair) { return pair.first == key; });
        ASSERT_NE(found, strings.end());
        EXPECT_TRUE(found->second == value);
    }
}
#endif

}  // namespace
