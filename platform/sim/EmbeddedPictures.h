// The OSD pictures compiled into the host build: the same bytes the Windows builds carry as
// resources of type "PNG".
#pragma once
#include <cstdint>
#include <span>

namespace vh::sim {

// The PNG bytes of a picture id; empty when there is no such picture.
std::span<const std::uint8_t> FindEmbeddedPicture(std::uint16_t id);

}  // namespace vh::sim
