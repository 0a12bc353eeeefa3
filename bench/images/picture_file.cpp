#include "bench/images/picture_file.h"

#include <QImageReader>

namespace images {

LoadedPicture LoadPicture(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    LoadedPicture loaded;
    loaded.image = reader.read();
    if (loaded.image.isNull())
        loaded.error = "Cannot read the picture " + path + ": " + reader.errorString().toStdString();
    return loaded;
}

}  // namespace images
