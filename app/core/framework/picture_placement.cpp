#include "app/core/framework/picture_placement.h"

#include <algorithm>

namespace quorvela {

std::vector<DesignRect> placePicture(int mode, int pictureWidth, int pictureHeight, int clientWidth, int clientHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || clientWidth <= 0 || clientHeight <= 0) return {};
  switch (static_cast<PictureMode>(mode)) {
    case PictureMode::kTopLeft:
      return {{0, 0, pictureWidth, pictureHeight}};
    case PictureMode::kTiled: {
      std::vector<DesignRect> tiles;
      for (int top = 0; top < clientHeight; top += pictureHeight) {
        for (int left = 0; left < clientWidth; left += pictureWidth) tiles.push_back({left, top, pictureWidth, pictureHeight});
      }
      return tiles;
    }
    case PictureMode::kCentred: {
      int width = pictureWidth;
      int height = pictureHeight;
      if (width > clientWidth || height > clientHeight) {
        // The smaller ratio, in integers: width/pictureWidth vs height/pictureHeight.
        const long long byWidth = static_cast<long long>(clientWidth) * pictureHeight;
        const long long byHeight = static_cast<long long>(clientHeight) * pictureWidth;
        if (byWidth <= byHeight) {
          width = clientWidth;
          height = static_cast<int>(std::max(1LL, byWidth / pictureWidth));
        } else {
          height = clientHeight;
          width = static_cast<int>(std::max(1LL, byHeight / pictureHeight));
        }
      }
      return {{(clientWidth - width) / 2, (clientHeight - height) / 2, width, height}};
    }
    case PictureMode::kStretched:
      return {{0, 0, clientWidth, clientHeight}};
  }
  return {};
}

DesignRect centredSquare(int width, int height) {
  const int side = std::max(0, std::min(width, height));
  return {(width - side) / 2, (height - side) / 2, side, side};
}

}  // namespace quorvela
