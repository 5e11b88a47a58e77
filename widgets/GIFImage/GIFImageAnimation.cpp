// The image control's animation: the timer's tick and the setters that start, stop and steer it.
#include "widgets/GIFImage/GIFImage.h"
#include "widgets/GIFImage/core/GifLayout.h"

namespace qv {

void TGIFImage::SetFrameInterval(int frameNumber) {
    if (ValidFrame(frameNumber))
        timer_->SetInterval(FrameInterval(Frame(frameNumber - 1).Delay, speed_));
}

void TGIFImage::Tick() {
    if (captureBackground_ || empty_ || !animate_)
        return;
    const int count = FrameCount();
    if (!ValidFrame(currentFrame_))
        currentFrame_ = 1;
    NotifyChanging();
    if (skipDisposal_) {
        skipDisposal_ = false; // the current frame is already on the composite
    } else {
        DisposeFrame(currentFrame_ > 1 ? currentFrame_ - 1 : count);
        DrawFrame(currentFrame_);
        RepaintNow();
    }
    SetFrameInterval(currentFrame_);
    ++currentFrame_;
    const bool wrapped = currentFrame_ > count;
    if (!loop_ && LoopCount() > 0 && wrapped) {
        // Stays one past the last frame; the next tick, Loop or Animate brings it back to 1.
        ++loopsDone_;
        timer_->SetEnabled(loopsDone_ <= LoopCount());
    } else if (wrapped) {
        currentFrame_ = 1;
    }
    NotifyChange();
    if (wrapped && OnWrapAnimation)
        OnWrapAnimation(*this);
}

void TGIFImage::SetAnimate(bool animate) {
    if (animate == animate_)
        return;
    animate_ = animate;
    loopsDone_ = 1;
    if (animate_ && FrameCount() > 1)
        SetFrameInterval(ValidFrame(currentFrame_) ? currentFrame_ : 1);
    timer_->SetEnabled(animate_ && animated_ && !empty_);
    if (!animate_ && currentFrame_ > 1) {
        DisposeFrame(currentFrame_ - 1);
        currentFrame_ = 1;
        DrawFrame(currentFrame_);
        Invalidate();
    }
}

void TGIFImage::SetLoop(bool loop) {
    if (loop == loop_)
        return;
    loop_ = loop;
    // Only restarts an animation that stopped at its loop limit.
    if (!loop_ || FrameCount() == 0 || LoopCount() <= 0 || loopsDone_ <= LoopCount())
        return;
    currentFrame_ = 1;
    loopsDone_ = 1;
    if (animate_ && FrameCount() > 1)
        SetFrameInterval(1);
    if (animate_ && animated_)
        timer_->SetEnabled(true);
}

void TGIFImage::SetSpeed(int speed) {
    speed = speed < 1 ? 1 : speed;
    if (speed == speed_)
        return;
    speed_ = speed;
    if (FrameCount() > 1 && animate_)
        timer_->SetInterval(1); // the next tick comes at once and sets the new interval
}

void TGIFImage::SetCurrentFrame(int frame) {
    if (!ValidFrame(frame)) {
        GIFStatus = GifBadFrameNumber;
        return;
    }
    if (frame == currentFrame_)
        return;
    NotifyChanging();
    if (ValidFrame(currentFrame_)) // one past the last after a finished animation
        DisposeFrame(currentFrame_);
    currentFrame_ = frame;
    DrawFrame(currentFrame_);
    RepaintNow();
    NotifyChange();
}

void TGIFImage::RepaintNow() {
    paintingNow_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{paintingNow_};
    PaintNow();
}

} // namespace qv
