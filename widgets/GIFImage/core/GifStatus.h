#pragma once

namespace qv {

// Outcome of the image control's last operation, readable by anyone (module-wide, as the
// control's callers expect).
enum GifStatusCode : unsigned char {
    GifLoaded = 0,         // last load succeeded
    GifCancelled = 1,      // a progress handler cancelled the decode
    GifNoData = 2,         // no data to decode
    GifNotFinished = 3,    // decode started and not finished; left in place when not GIF
    GifBadFrameNumber = 5, // a frame number outside 1..frame count was used
    GifFileMissing = 7,    // the file named for loading does not exist
};

extern unsigned char GIFStatus;

} // namespace qv
