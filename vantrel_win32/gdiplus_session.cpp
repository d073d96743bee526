#include "gdiplus_session.h"

namespace trelvo::vantrel_win32 {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
    if (started_)
        Gdiplus::GdiplusShutdown(token_);
}

} // namespace trelvo::vantrel_win32
