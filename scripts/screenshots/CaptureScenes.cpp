#include "Screenshots.h"

#include "capture/ScreenCapt.h"
#include "support/gui/CaptureScenes.h"

namespace lw::shots {

void CaptureScene(TShot& shot) {
    gui::TFCapture& window = gui::TFCapture::Obtain();
    window.SetFrame(2);
    window.SetSpace(1);
    window.SetZoom(2);
    window.ShowCapture(test::SampleScreenCapture());
    window.FitWindowToImage();
    shot.Save(window, "capture-window");
    window.close();
}

} // namespace lw::shots
