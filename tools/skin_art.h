// The skin pictures the generator paints: the program's three skins and the flat test skin.
#pragma once
#include <string>

#include "platform/services/picture_file.h"

struct skin_pictures_rec_ {
  picture_image_rec_ picture;  // the sprite picture; pure red is transparent
  picture_image_rec_ alpha;    // the alpha atlas at the same coordinates
  std::string text;            // the skin text
};

enum class skin_look_ { silver, black, blue };

// Every sprite rectangle in a flat colour of its own (never pure red), the rest pure red.
skin_pictures_rec_ make_test_skin_();
skin_pictures_rec_ make_skin_(skin_look_ look);
