// What an icon handle stands for: the images of one icon resource.
#pragma once

#include <QIcon>
#include <QImage>

#include <vector>

struct IconHandle {
    std::vector<QImage> images;

    // All images, for a window's icon.
    QIcon ToIcon() const;
    // The image of the large size, 32 x 32, that DrawIcon draws.
    QImage Large() const;
};
