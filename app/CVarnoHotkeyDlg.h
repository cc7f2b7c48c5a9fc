// The hidden controller dialog: owns the hook holder, the OSD window object and the tray icon,
// receives the hook's messages, power and session notifications and its own timers.
#pragma once
#include <cstdint>
#include <string>

#include "app/CTray.h"
#include "framework/Dialog.h"
#include "hotkey/CHook.h"
#include "osd/Function_UI.h"
#include "platform/ports/Platform.h"

namespace vh {

class CVarnoHotkeyDlg : public Dialog {
public:
    explicit CVarnoHotkeyDlg(Platform& platform);
    ~CVarnoHotkeyDlg() override;

    bool PreTranslateMessage(const Message& message) override;

    // Members read by the rest of the program.
    Handle m_hIcon = kNoHandle;
    Function_UI m_OSDdlg;
    CHook m_Hook;
    bool m_bSessionLocked = false;
    bool m_bAcOnlineAtSuspend = false;
    bool m_bHdmiInActive = false;
    bool m_bAltDtmIndex = false;
    bool m_bGuestUser = false;
    std::uint32_t m_dwHotkeyControl = 0;
    std::wstring m_strOrlendaCmd;
    CTray m_Tray;

    LResult OnHotkey(WParam flags, LParam scanCode);
    // Creates the OSD window when it has none; every display is preceded by this.
    void InitFuncUIDlg();
    void LaunchOrlenda(std::int32_t code);

protected:
    const MessageMap& GetMessageMap() const override;
    bool OnInitDialog() override;

private:
    void OnSysCommand(std::uint32_t id, LParam lParam);
    void OnPaint();
    Handle OnQueryDragIcon();
    void OnClose();
    void OnTimer(std::uintptr_t id);
    void OnEndSession(bool ending);
    void OnWindowPosChanging(WindowPos* pos);
    LResult OnSessionChange(WParam event, LParam sessionId);
    LResult OnPowerBroadcast(WParam event, LParam);

    void FillTrayIconData();
    bool RestartHook();
    void CheckBatteryAtStart();

    // Rows of the hotkey table; true when the event is consumed.
    struct HotkeyRow;
    static const HotkeyRow kHotkeyRows[];
    bool RowMute();
    bool RowVolumeUp();
    bool RowVolumeDown();
    bool RowBrightnessDown();
    bool RowBrightnessUp();
    bool BrightnessKey(bool up);
    bool RowEndDisplay();

    static const MessageEntry kEntries[];
    static const MessageMap kMap;

    Platform& platform_;
};

}  // namespace vh
