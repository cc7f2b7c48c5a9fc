// The NumLock tray icon's data; the controller fills it and calls the tray itself.
#pragma once
#include "platform/ports/WindowSystem.h"

namespace vh {

class CTray {
public:
    virtual ~CTray() = default;
    TrayIconData m_nid{};  // zeroed; the adapter supplies the structure's full size
};

}  // namespace vh
