# Writes OUTPUT, a C++ source holding the bytes of every picture in PICTURES (files named
# <id>.png, separated by "|") and a lookup by id. Run with cmake -P.
string(REPLACE "|" ";" PICTURES "${PICTURES}")
set(body "")
set(table "")
list(SORT PICTURES)
foreach(file IN LISTS PICTURES)
  get_filename_component(id ${file} NAME_WE)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  string(APPEND body "const std::uint8_t kPicture${id}[] = {\n${bytes}\n};\n")
  string(APPEND table "    {${id}, kPicture${id}, sizeof kPicture${id}},\n")
endforeach()
file(WRITE ${OUTPUT}.tmp "// Generated from res/png by cmake/embed-pictures.cmake: do not edit.
#include \"platform/sim/EmbeddedPictures.h\"

namespace vh::sim {
namespace {
${body}
struct Entry {
    std::uint16_t id;
    const std::uint8_t* bytes;
    std::size_t size;
};
const Entry kPictures[] = {
${table}};
}  // namespace

std::span<const std::uint8_t> FindEmbeddedPicture(std::uint16_t id) {
    for (const Entry& e : kPictures)
        if (e.id == id) return {e.bytes, e.size};
    return {};
}

}  // namespace vh::sim
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
