#pragma once

#include <QImage>

// The banner across the top of the window, 600 x 60 pixels.
QImage BannerPicture();

// The plan view of a ship that explains the antenna distances A to D, 110 x 145 pixels.
QImage AntennaDiagram();
