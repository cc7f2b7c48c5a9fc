// icongen OUTPUT_DIR [SETUP_DIR]: writes VarnoHotkey.ico, NumLockOff.ico and NumLockOn.ico into
// OUTPUT_DIR and the Setup launcher's Setup.ico into SETUP_DIR (OUTPUT_DIR when not given).
// The output depends only on this program and the cairo build, so the files can be checked in
// and compared byte for byte.
#include "tools/icongen/IconRender.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// Which of the two output folders a file goes to.
enum class Destination { Program, Setup };

struct IconFile {
    const char* name;
    icongen::IconDesign design;
    Destination destination;
};

constexpr IconFile kIconFiles[] = {
    {"VarnoHotkey.ico", icongen::IconDesign::Application, Destination::Program},
    {"NumLockOff.ico", icongen::IconDesign::NumLockOff, Destination::Program},
    {"NumLockOn.ico", icongen::IconDesign::NumLockOn, Destination::Program},
    {"Setup.ico", icongen::IconDesign::Setup, Destination::Setup},
};

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: icongen OUTPUT_DIR [SETUP_DIR]\n");
        return 2;
    }
    const std::filesystem::path programDir = argv[1];
    const std::filesystem::path setupDir = argc == 3 ? argv[2] : argv[1];
    for (const IconFile& file : kIconFiles) {
        const auto bytes = icongen::RenderIcoFile(file.design);
        if (!bytes) {
            std::fprintf(stderr, "icongen: drawing %s failed\n", file.name);
            return 1;
        }
        const std::filesystem::path path =
            (file.destination == Destination::Setup ? setupDir : programDir) / file.name;
        if (!WriteFile(path, *bytes)) {
            std::fprintf(stderr, "icongen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
