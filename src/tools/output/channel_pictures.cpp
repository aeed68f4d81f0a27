#include "tools/output/channel_pictures.h"

namespace vantrel {

bool CapturePicture(const ChannelPictures& pictures, int index, ChannelImage* image) {
  // Without a player the graph answers true with nothing in the picture.
  return pictures.CaptureChannelImage(index, image) && image->width > 0 && image->height > 0 &&
         !image->pixels.empty();
}

}  // namespace vantrel
