// A decoded bitmap object with one owner: released when replaced, reset or destroyed.
#pragma once
#include "platform/ports/Graphics.h"

namespace vh {

class OwnedPicture {
public:
    explicit OwnedPicture(Graphics& graphics) : graphics_(graphics) {}
    ~OwnedPicture() { reset(); }
    OwnedPicture(const OwnedPicture&) = delete;
    OwnedPicture& operator=(const OwnedPicture&) = delete;

    PictureHandle get() const { return picture_; }
    explicit operator bool() const { return picture_ != kNoPicture; }
    void reset(PictureHandle picture = kNoPicture) {
        if (picture_ != kNoPicture) graphics_.ReleasePicture(picture_);
        picture_ = picture;
    }

private:
    Graphics& graphics_;
    PictureHandle picture_ = kNoPicture;
};

}  // namespace vh
