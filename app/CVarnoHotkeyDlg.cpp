#include "app/CVarnoHotkeyDlg.h"

#include "app/CAboutDlg.h"
#include "app/FeatureConfig.h"
#include "app/Globals.h"
#include "app/Log.h"
#include "osd/BrightnessDisplay.h"
#include "osd/VolumeDisplay.h"
#include "res/resource.h"
#include "services/CompanionPrograms.h"
#include "services/OsVersion.h"
#include "services/SystemQueries.h"
#include "services/VendorLibraries.h"

namespace vh {

namespace {
constexpr int kVkNumLock = 0x90;
constexpr std::uint32_t kTrayIconId = 222;
constexpr std::uint32_t kNotifyForAllSessions = 1;
constexpr std::uint32_t kAboutCommand = 0x0010;
}  // namespace

const MessageEntry CVarnoHotkeyDlg::kEntries[] = {
    {msg::kSysCommand, on::SysCommand<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnSysCommand>},
    {msg::kPaint, on::Void<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnPaint>},
    {msg::kQueryDragIcon, on::ReturnsHandle<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnQueryDragIcon>},
    {msg::kClose, on::Void<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnClose>},
    {msg::kTimer, on::Timer<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnTimer>},
    {msg::kEndSession, on::EndSession<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnEndSession>},
    {msg::kWindowPosChanging, on::PosChanging<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnWindowPosChanging>},
    {msg::kVarnoHotkey, on::Raw<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnHotkey>},
    {msg::kWtsSessionChange, on::Raw<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnSessionChange>},
    {msg::kPowerBroadcast, on::Raw<CVarnoHotkeyDlg, &CVarnoHotkeyDlg::OnPowerBroadcast>},
};
const MessageMap CVarnoHotkeyDlg::kMap{&Dialog::kMap, kEntries};

const MessageMap& CVarnoHotkeyDlg::GetMessageMap() const { return kMap; }

CVarnoHotkeyDlg::CVarnoHotkeyDlg(Platform& platform)
    : Dialog(platform.windows, IDD_VARNOHOTKEY_DIALOG), m_OSDdlg(platform), platform_(platform) {
    m_hIcon = platform.windows.LoadIconResource(IDR_MAINFRAME);
    g_bWin8OrLater = false;
    g_bWin81OrLater = false;
}

CVarnoHotkeyDlg::~CVarnoHotkeyDlg() = default;

bool CVarnoHotkeyDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    DebugOutput& out = platform_.debug;

    m_dwHotkeyControl = ReadHotkeyControl(platform_.registry, out);
    if (m_dwHotkeyControl == 0) return true;

    LoadVendorLibraries(platform_.libraries);
    if (!QueryPlatformCode(out)) return false;
    if (IsAltDtmPlatform()) m_bAltDtmIndex = true;

    BuildOrlendaCmd(platform_.process, out, m_strOrlendaCmd);
    g_bWin8OrLater = IsWin8OrLater(platform_.system, out);
    g_bWin81OrLater = IsPackedAtLeastWin81(QueryOsVersion(platform_.system, out));
    m_bGuestUser = IsGuestUser(platform_.system, out);

    if (!g_bWin8OrLater) EnableVolumeControl(out, true);
    if (!CHook::StartHook(platform_.hook, GetSafeHwnd(), platform_.process.Instance()))
        out.Write(L"[VarnoHotkey] Strat hook fail.");
    if (!platform_.windows.RegisterSessionNotification(GetSafeHwnd(), kNotifyForAllSessions))
        out.Write(L"[VarnoHotkey] Register Session Notification Fail\n");

    if (m_dwHotkeyControl & HKC_BATTERY_NOTIFY) CheckBatteryAtStart();
    if ((m_dwHotkeyControl & HKC_VOLUME) && !g_bWin8OrLater) FillVolumeValueTable();
    if ((m_dwHotkeyControl & HKC_BRIGHTNESS) && !g_bWin8OrLater) {
        if (m_bGuestUser) LaunchOrlenda(9);
        else SetBrightnessTotalLevel(out);
    }

    if (m_dwHotkeyControl & HKC_NUMLOCK_TRAY) {
        FillTrayIconData();
        const bool numLockOn = (platform_.windows.GetKeyState(kVkNumLock) & 1) != 0;
        m_Tray.m_nid.hIcon = platform_.windows.LoadIconResource(numLockOn ? IDI_NUMLOCK_ON : IDI_NUMLOCK_OFF);
        platform_.windows.NotifyIcon(tray::kAdd, m_Tray.m_nid);
    }
    if (m_dwHotkeyControl & (HKC_HDMI | HKC_BATTERY_DTM)) CreatePowerSettingKey(platform_.registry);
    return true;
}

void CVarnoHotkeyDlg::CheckBatteryAtStart() {
    InitFuncUIDlg();
    int percent = 0;  // an unreadable charge counts as empty
    m_OSDdlg.GetPowerScale(percent);
    if (percent <= 10 && !IsAcOnline(platform_.system)) LaunchOrlenda(4);
    m_OSDdlg.OnClose();  // no OSD window stays behind
}

void CVarnoHotkeyDlg::InitFuncUIDlg() {
    platform_.debug.Write(L"[VarnoHotkey] InitFuncUIDlg");
    if (m_OSDdlg.GetSafeHwnd() == kNoWindow) {
        platform_.debug.Write(L"[VarnoHotkey] m_OSDdlg HWND == NULL");
        m_OSDdlg.Create(GetSafeHwnd());
    }
}

void CVarnoHotkeyDlg::LaunchOrlenda(std::int32_t code) {
    vh::LaunchOrlenda(platform_.windows, platform_.process, platform_.debug, m_strOrlendaCmd, code);
}

void CVarnoHotkeyDlg::FillTrayIconData() {
    TrayIconData& nid = m_Tray.m_nid;
    nid.hWnd = GetSafeHwnd();
    nid.uID = kTrayIconId;
    nid.uFlags = tray::kFlagMessage | tray::kFlagIcon | tray::kFlagTip;
    nid.uCallbackMessage = msg::kUser;
    nid.szTip[0] = L'\0';
}

bool CVarnoHotkeyDlg::RestartHook() {
    return CHook::StartHook(platform_.hook, GetSafeHwnd(), platform_.process.Instance());
}

bool CVarnoHotkeyDlg::PreTranslateMessage(const Message& message) {
    constexpr WParam kVkF4 = 0x73, kVkReturn = 0x0D, kVkEscape = 0x1B, kVkSpace = 0x20;
    if (message.wParam == kVkF4 && (message.lParam & 0xFF) == 1) return true;
    if (message.message == msg::kKeyDown &&
        (message.wParam == kVkReturn || message.wParam == kVkEscape || message.wParam == kVkSpace))
        return true;
    return Dialog::PreTranslateMessage(message);
}

void CVarnoHotkeyDlg::OnWindowPosChanging(WindowPos* pos) {
    // Every attempt to show the controller is stripped, so it never becomes visible.
    if (pos) pos->flags &= ~kSwpShowWindow;
    Default();
}

void CVarnoHotkeyDlg::OnTimer(std::uintptr_t id) {
    // Every timer runs once.
    switch (id) {
        case 0:
            platform_.windows.KillTimer(GetSafeHwnd(), 0);
            CHook::StopHook(platform_.hook);
            if (!RestartHook()) platform_.debug.Write(L"[VarnoHotkey] Start KB Hook is fail.\n");
            break;
        case 1:  // AC adapter removed
            platform_.windows.KillTimer(GetSafeHwnd(), 1);
            LaunchOrlenda(3);
            break;
        case 2:  // AC adapter connected
            platform_.windows.KillTimer(GetSafeHwnd(), 2);
            LaunchOrlenda(2);
            break;
        case 3:  // resumed on battery after the AC state changed
            platform_.windows.KillTimer(GetSafeHwnd(), 3);
            LaunchOrlenda(6);
            LaunchOrlenda(3);
            break;
        default:
            break;
    }
    Default();
}

void CVarnoHotkeyDlg::OnClose() {
    DebugOutput& out = platform_.debug;
    CHook::StopHook(platform_.hook);
    if (g_hKavrel != kNoHandle && !g_bWin8OrLater) EnableVolumeControl(out, false);
    platform_.windows.UnregisterSessionNotification(GetSafeHwnd());
    FillTrayIconData();
    platform_.windows.NotifyIcon(tray::kDelete, m_Tray.m_nid);
    platform_.windows.DestroyIcon(m_Tray.m_nid.hIcon);
    FreeVendorLibraries(platform_.libraries);
    out.Write(L"[VarnoHotkey]VarnoHotKey Utility Closed\n");
    Default();
}

void CVarnoHotkeyDlg::OnSysCommand(std::uint32_t id, LParam) {
    if ((id & 0xFFF0) == kAboutCommand) {
        CAboutDlg about(platform_.windows);
        about.DoModal(GetSafeHwnd());
    } else {
        Default();
    }
}

void CVarnoHotkeyDlg::OnPaint() {
    WindowSystem& windows = platform_.windows;
    if (!windows.IsIconic(GetSafeHwnd())) {
        Default();
        return;
    }
    Rect client;
    windows.GetClientRect(GetSafeHwnd(), client);
    const int x = (client.Width() - windows.GetSystemMetrics(metric::kCxIcon) + 1) / 2;
    const int y = (client.Height() - windows.GetSystemMetrics(metric::kCyIcon) + 1) / 2;
    windows.PaintIcon(GetSafeHwnd(), m_hIcon, x, y);
}

Handle CVarnoHotkeyDlg::OnQueryDragIcon() { return m_hIcon; }

// Power, session and end-of-session handling come with their own change; the messages are
// already routed here.
void CVarnoHotkeyDlg::OnEndSession(bool) { Default(); }

LResult CVarnoHotkeyDlg::OnSessionChange(WParam, LParam) { return 0; }

LResult CVarnoHotkeyDlg::OnPowerBroadcast(WParam, LParam) { return 0; }

}  // namespace vh
