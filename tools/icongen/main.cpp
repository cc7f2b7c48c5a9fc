// icongen OUTPUT_DIR: writes VarnoHotkey.ico, NumLockOff.ico and NumLockOn.ico into OUTPUT_DIR.
// The output depends only on this program and the cairo build, so the files can be checked in
// and compared byte for byte.
#include "tools/icongen/IconRender.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

struct IconFile {
    const char* name;
    icongen::IconDesign design;
};

constexpr IconFile kIconFiles[] = {
    {"VarnoHotkey.ico", icongen::IconDesign::Application},
    {"NumLockOff.ico", icongen::IconDesign::NumLockOff},
    {"NumLockOn.ico", icongen::IconDesign::NumLockOn},
};

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path outputDir = argv[1];
    for (const IconFile& file : kIconFiles) {
        const auto bytes = icongen::RenderIcoFile(file.design);
        if (!bytes) {
            std::fprintf(stderr, "icongen: drawing %s failed\n", file.name);
            return 1;
        }
        if (!WriteFile(outputDir / file.name, *bytes)) {
            std::fprintf(stderr, "icongen: cannot write %s\n", (outputDir / file.name).c_str());
            return 1;
        }
    }
    return 0;
}
