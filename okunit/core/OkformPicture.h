#pragma once
#include <cstddef>

namespace qv {

// The confirmation dialog's picture: a 48 x 48 GIF87a file of 1560 bytes (one transparent frame).
// Made by tools/dialog-picture/make_okform_picture.py; the dialog streams it as its image
// control's "Data" value.
extern const unsigned char kOkformPicture[];
extern const size_t kOkformPictureSize;

} // namespace qv
