#pragma once
#include <cstdint>

namespace zek::win32 {

// GDI+ is started for the status picture and shut down when this ends.
class GdiplusSession {
  public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() { shutdown(); }
    void shutdown();

  private:
    std::uintptr_t token_ = 0;
    bool started_ = false;
};

}  // namespace zek::win32
