#pragma once
// Errors of stored pictures: data that is not a valid bitmap, JPEG, metafile or icon, or a
// picture too large to decode. The message names the kind of data and what is wrong with it.
#include <cstdint>

#include "core/error.h"

namespace lumaro {

LUMARO_EXCEPTION_CLASS(EInvalidGraphic, Exception)

inline const char* const kInvalidBitmap = "Bitmap image is not valid";
inline const char* const kInvalidJpeg = "JPEG image is not valid";
inline const char* const kInvalidMetafile = "Metafile is not valid";
inline const char* const kInvalidIcon = "Icon image is not valid";
inline const char* const kInvalidPictureData = "Picture data is not valid";

// Largest picture (width × height) that is decoded; larger ones raise EInvalidGraphic instead
// of allocating gigabytes for a few bytes of crafted input. Process-wide; the default allows
// 100 megapixels (400 MB decoded).
int64_t maxDecodedPixels();
void setMaxDecodedPixels(int64_t pixels);

// Raises EInvalidGraphic("<what>: picture of W x H pixels is larger than the limit ...") when
// width × height exceeds maxDecodedPixels(), and for sizes that are not positive.
void checkDecodedSize(const char* what, int64_t width, int64_t height);

}  // namespace lumaro
