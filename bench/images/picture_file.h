#pragma once

#include <QImage>
#include <string>

namespace images {

// What the picture dialogs offer: the formats Qt reads that users have.
inline constexpr char kPictureFilter[] = "Pictures|*.bmp;*.png;*.jpg;*.jpeg;*.gif|All files|*.*";

struct LoadedPicture {
    QImage image;
    std::string error;  // empty when the picture was read
};

// Reads a BMP, PNG, JPEG or GIF file (the first frame of a GIF); anything else
// gives a message that names the file and the reason.
LoadedPicture LoadPicture(const std::string& path);

}  // namespace images
