// View › "Realistic 3D Hull" and the "Color Render Hull" button. The window
// is in src/app/render.
#include "render/render_window.h"
#include "shell/main_form.h"

namespace skelmora::app {

void TMainForm::ColorRendering1Click() { render_->Open(); }

}  // namespace skelmora::app
