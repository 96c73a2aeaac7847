#pragma once
// A run of shapes that frame after frame comes back unchanged: opaque, unsmoothed
// shapes leave each pixel they cover in the colour of the last one to cover it,
// whatever lay beneath. Drawn once over black and once over white, the run shows
// which pixels it covers (the same in both) and their colours; it is then put onto
// the picture with two raster operations instead of being filled again.
#include <windows.h>

#include <functional>
#include <memory>

#include "win32/platform/gdi_scope.h"

namespace zek::win32 {

class StillLayer {
  public:
    // Draws the run onto a DC as it would onto the picture.
    using DrawRun = std::function<void(HDC)>;
    // Null when GDI cannot make the pictures it keeps. `area` holds every pixel
    // the run may touch; the run is drawn where it lies, on pictures that reach
    // from the top left corner to the area's far corner.
    static std::unique_ptr<StillLayer> capture(const RECT& area, const DrawRun& draw);

    // The covered pixels of `area` take the run's colours; the rest stay as they are.
    void putOnto(HDC picture) const;

  private:
    RECT area_{};
    PictureSurface keep_;    // black where the run covers, white elsewhere
    PictureSurface colour_;  // the run's colours where it covers, black elsewhere
};

}  // namespace zek::win32
