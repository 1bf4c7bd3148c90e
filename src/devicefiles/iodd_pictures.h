// SPDX-License-Identifier: MIT
// The vendor pictures the IODD archive carries, built into the configurator.
#pragma once

#include "common/file_io.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The logo, device picture and icon file names (Talvex-logo.png, -pic.png, -icon.png).
[[nodiscard]] QStringList ioddPictureNames();

// The built-in PNG bytes of one of ioddPictureNames(); empty for any other name.
[[nodiscard]] QByteArray builtInIoddPicture(const QString &name);

// Writes each built-in picture into ioddDir (made when missing) where no file of that name
// exists; pictures already there are kept. Reports the first file that could not be written.
[[nodiscard]] FileResult ensureIoddPictures(const QString &ioddDir);
