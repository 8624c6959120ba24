#pragma once

// Fills `image` (one whole configuration image) with the factory defaults.
void fill_default_image(unsigned char *image);
