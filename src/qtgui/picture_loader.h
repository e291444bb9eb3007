#pragma once

#include "scene/raster.h"

namespace gloob {

// The two background pictures, decoded from the JPEG files built into the program.
Pictures loadPictures();

} // namespace gloob
