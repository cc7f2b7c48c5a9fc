// The on-screen display window object. Its window (dialog template 131) exists only during a
// display: the controller creates it before one, and it destroys itself when the period ends.
#pragma once
#include <cstdint>

#include "framework/Dialog.h"
#include "osd/OwnedPicture.h"
#include "osd/PictureCatalogue.h"
#include "platform/ports/Platform.h"

namespace vh {

class Function_UI : public Dialog {
public:
    explicit Function_UI(Platform& platform);

    std::int32_t BackWidth = 0;
    std::int32_t BackHeight = 0;
    OwnedPicture BackImage;

    // Picture and frame.
    bool SetBackground(std::uint32_t pictureId);
    void ShowImage(std::uint32_t periodMs);
    void TranslucentDisplay();
    bool LoadPngBackground(std::uint16_t pictureId, OwnedPicture& picture);
    void OnClose();

    // Placement.
    void SetOSDPosition(bool bResetSize);

    // Volume and mute.
    int GetVolumeLevel();
    void VolumeUpDown(bool up, std::uint8_t platformCode);
    void ShowWindowMute();

    // Brightness.
    int GetBrightnessLevel();
    void ShowBrightness(bool up);

    // Battery charge in percent into percent; left untouched when it cannot be read.
    void GetPowerScale(int& percent);

    LResult WindowProc(const Message& message) override;

protected:
    const MessageMap& GetMessageMap() const override;
    bool OnInitDialog() override;

private:
    int OnCreate(const void* createStruct);
    void OnTimer(std::uintptr_t id);
    LResult OnDisplayChange(std::uint32_t bitsPerPixel, int width, int height);
    void OnWindowPosChanging(WindowPos* pos);
    void OnShowWindow(bool show, std::uint32_t status);
    void OnSize(WParam sizeType);

    void Restore();
    int ScreenWidth();
    int ScreenHeight();

    static const MessageEntry kEntries[];
    static const MessageMap kMap;

    Platform& platform_;
};

}  // namespace vh
