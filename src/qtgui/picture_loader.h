// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "scene/raster.h"

#include <QString>

#include <stdexcept>

namespace gloob {

// A picture that cannot be decoded. The backgrounds are built into the
// program, so this means a broken build: the program must not start.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One picture from a file or a resource (":/..."); throws PictureError.
RgbImage decodePicture(const QString& path);

// The two background pictures, decoded from the JPEG files built into the
// program; throws PictureError.
Pictures loadPictures();

} // namespace gloob
